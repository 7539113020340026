// Times the word-list editor on the largest list, Woord-9.lst (some 34,000 words):
// opening the editor and choosing that list until it is painted, and saving it.
// The word lists are copied into a temporary program folder first.
// Target: under 300 ms each.
//
// Usage: bench_editor [Data folder]   (default: assets/Data of the source tree)

#include "support/TestOmgeving.h"

#include "ui/editor/EditForm.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "widgets/Fonts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringListModel>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

struct Meting {
    double openen = 0;  // ms: the form made (with the second list) and shown
    double kiezen = 0;  // ms: Woord-9.lst chosen, loaded and painted
    double opslaan = 0; // ms: Woord-9.lst written and the form closed
};

double ms(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

double mediaan(std::vector<double> waarden)
{
    std::sort(waarden.begin(), waarden.end());
    return waarden[waarden.size() / 2];
}

void rapport(const char *wat, double waarde)
{
    std::printf("%-52s %8.1f ms  (%s 300 ms)\n", wat, waarde, waarde < 300.0 ? "under" : "OVER");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    widgets::installProgramFonts();

    const std::filesystem::path bronMap = std::filesystem::path(__FILE__).parent_path().parent_path();
    const QString bron =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString::fromStdString((bronMap / "assets" / "Data").string());
    TestOmgeving t;
    const QDir data(t.omgeving.dataMap());
    const QStringList lijsten = QDir(bron).entryList({QStringLiteral("*.lst")}, QDir::Files);
    for (const QString &naam : lijsten)
        QFile::copy(QDir(bron).filePath(naam), data.filePath(naam));
    if (!lijsten.contains(QStringLiteral("Woord-9.lst"))) {
        std::fprintf(stderr, "Woord-9.lst niet gevonden in %s\n", qPrintable(bron));
        return 1;
    }

    ui::Main main(t.omgeving, QSize(1280, 800));
    std::vector<double> openen, kiezen, opslaan;
    int woorden = 0;
    for (int ronde = 0; ronde < 7; ++ronde) {
        QElapsedTimer timer;
        timer.start();
        ui::EditForm form(main);
        form.show();
        QApplication::processEvents();
        openen.push_back(ms(timer));

        timer.restart();
        form.combo1()->setCurrentIndex(form.combo1()->findText(QStringLiteral("Woord-9.lst")));
        QApplication::processEvents();
        kiezen.push_back(ms(timer));
        woorden = form.woordenModel()->rowCount();

        timer.restart();
        const bool bewaard = form.saveGeklikt();
        QApplication::processEvents();
        opslaan.push_back(ms(timer));
        if (!bewaard) {
            std::fprintf(stderr, "opslaan mislukt\n");
            return 1;
        }
    }

    std::printf("Woord-9.lst: %d words, median of %zu runs\n", woorden, openen.size());
    rapport("open the editor (second list loaded, shown)", mediaan(openen));
    rapport("choose Woord-9.lst (loaded and painted)", mediaan(kiezen));
    rapport("open the editor on Woord-9.lst (both together)", mediaan(openen) + mediaan(kiezen));
    rapport("save Woord-9.lst and close", mediaan(opslaan));
    const double laden = mediaan(openen) + mediaan(kiezen);
    std::printf(
        "TABEL|Editor: open on Woord-9.lst (%d words) / save it (median of %zu)|%.1f ms / %.1f ms|< 300 ms each|%s\n",
        woorden, openen.size(), laden, mediaan(opslaan), laden < 300.0 && mediaan(opslaan) < 300.0 ? "yes" : "no");

    t.dialogen.antwoorden = {ui::Antwoord::Ja};
    main.close();
    return 0;
}
