// Input far beyond the usual, timed: a word list of 1,000,000 lines (some 30 times the
// largest delivered list) in the word-list editor and in the quiz lookup, a player name of
// 100,000 characters in the high-score list and its dialog, an advertisement text of
// 100,000 characters in the settings file and on the main window.
// The window may stop for a moment, but not freeze: target under 2 s for everything the
// operator waits for, under 0.5 s for a lookup.
//
// Usage: bench_groot [number of lines]   (default 1000000)

#include "support/GroteWoordenlijst.h"
#include "support/TestOmgeving.h"

#include "core/bestanden/Instellingen.h"
#include "core/quiz/WoordLijst.h"
#include "core/quiz/WoordScore.h"
#include "core/quiz/WoordZoeken.h"
#include "ui/editor/EditForm.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/ScoreForm.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QStringListModel>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double ms(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

// The median of a few runs of stap (which returns its own measurement in ms).
double mediaan(int runs, const std::function<double()> &stap)
{
    std::vector<double> tijden;
    for (int i = 0; i < runs; ++i)
        tijden.push_back(stap());
    std::sort(tijden.begin(), tijden.end());
    return tijden[tijden.size() / 2];
}

void rapport(const char *wat, double waarde, double grens)
{
    std::printf("%-60s %9.1f ms  (%s %.0f ms)\n", wat, waarde, waarde < grens ? "under" : "OVER", grens);
    std::fflush(stdout);
}

double getimed(const std::function<void()> &stap)
{
    QElapsedTimer timer;
    timer.start();
    stap();
    return ms(timer);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    widgets::installProgramFonts();
    const std::size_t regels = argc > 1 ? std::size_t(std::atol(argv[1])) : 1000000;
    constexpr int Runs = 3;

    TestOmgeving t;
    const QDir data(t.omgeving.dataMap());
    const std::string map = data.path().toStdString();
    {
        QFile klein(data.filePath(QStringLiteral("Woord-2.lst")));
        klein.open(QIODevice::WriteOnly);
        klein.write("AB\r\n");
        QFile groot(data.filePath(QStringLiteral("Woord-9.lst")));
        groot.open(QIODevice::WriteOnly);
        groot.write(QByteArray::fromStdString(groteWoordenlijst(regels)));
    }
    const std::string pad9 = data.filePath(QStringLiteral("Woord-9.lst")).toStdString();
    std::printf("Woord-9.lst: %zu lines, %.1f MB; median of %d runs\n", regels, double(regels) * 11 / 1e6, Runs);

    // The word list without a window: the reading alone.
    rapport("read the list (core::WoordLijst)",
            mediaan(Runs,
                    [&] {
                        return getimed([&] {
                            core::WoordLijst lijst;
                            lijst.LaadWoordenlijst(pad9);
                        });
                    }),
            2000);

    ui::Main main(t.omgeving, QSize(1280, 800));
    std::size_t getoond = 0;
    rapport("open the editor on the list until it is painted",
            mediaan(Runs,
                    [&] {
                        return getimed([&] {
                            ui::EditForm form(main);
                            form.show();
                            QApplication::processEvents();
                            getoond = std::size_t(form.woordenModel()->rowCount());
                        });
                    }),
            2000);
    if (getoond != regels) {
        std::fprintf(stderr, "the editor shows %zu words instead of %zu\n", getoond, regels);
        return 1;
    }

    {
        ui::EditForm form(main);
        form.show();
        QApplication::processEvents();
        rapport("add a word near the top and show it", getimed([&] {
                    form.text1()->setText(QStringLiteral("AAAAAAAAB"));
                    emit form.addKnop()->Click();
                    QApplication::processEvents();
                }),
                500);
        form.list1()->setCurrentIndex(form.woordenModel()->index(1));
        t.dialogen.antwoorden = {ui::Antwoord::Ja};
        rapport("delete that word", getimed([&] {
                    emit form.delKnop()->Click();
                    QApplication::processEvents();
                }),
                500);
        rapport("save the list and close the editor", getimed([&] { form.saveGeklikt(); }), 2000);
    }

    rapport("look up the last word of the list (found)",
            mediaan(Runs, [&] { return getimed([&] { core::ZoekWoord(map, groteLijstWoord(regels - 1)); }); }), 500);
    rapport("look up a word that is not in the list",
            mediaan(Runs, [&] { return getimed([&] { core::ZoekWoord(map, "ZZZZZZZZZ"); }); }), 500);
    std::vector<std::string> spel;
    for (std::size_t i = 0; i < 30; ++i)
        spel.push_back(i % 2 ? groteLijstWoord(regels / 30 * i) : "QQQQQQQQQ");
    rapport(
        "check a game of 30 nine-letter words against the list",
        mediaan(Runs, [&] { return getimed([&] { core::ControleerWoorden(spel, map, t.algemeen.LetterWaarde); }); }),
        2000);

    // A name of 100,000 characters.
    const std::string naam = "Piet " + std::string(100000, 'x');
    main.scoreLijst().VoegScoreToe(42, naam);
    main.scoreLijst().VoegScoreToe(7, "Een");
    rapport("save the high-score list with a 100,000-character name", getimed([&] { main.bewaarScorelijst(); }), 500);
    rapport("read it back", getimed([&] {
                core::ScoreLijst lijst;
                lijst.LaadScorelijst(main.scorelijstPad().toStdString());
            }),
            500);
    rapport("open the high-score dialog with that name until painted",
            mediaan(Runs,
                    [&] {
                        return getimed([&] {
                            ui::ScoreForm form(main);
                            form.show();
                            QApplication::processEvents();
                        });
                    }),
            2000);

    // An advertisement text of 100,000 characters.
    t.algemeen.ReclameTekst = "Bingo " + std::string(100000, 'r');
    const std::string ini = t.omgeving.instellingenPad().toStdString();
    rapport("save the settings with a 100,000-character text",
            getimed([&] { core::BewaarInstellingen(t.algemeen, ini); }), 500);
    rapport("read them back", getimed([&] { core::LaadInstellingen(t.algemeen, ini); }), 500);
    main.show();
    QApplication::processEvents();
    char letter = 'a';
    rapport("show that text on the main window until painted",
            mediaan(Runs,
                    [&] {
                        // A new text each run, so the labels cannot keep the last one's layout.
                        t.algemeen.ReclameTekst = "Bingo " + std::string(100000, letter++);
                        return getimed([&] {
                            main.toonReclameTekst();
                            main.repaint();
                            QApplication::processEvents();
                        });
                    }),
            2000);

    t.dialogen.antwoorden = {ui::Antwoord::Ja};
    main.close();
    return 0;
}
