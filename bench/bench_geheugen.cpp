// Peak memory of the program at work, in one process: the main window on the system clock
// sped up 10 times (the animations take a tenth of their time but paint every frame),
// a whole bingo round of 26 draws, a quiz game with words checked against the real word
// lists, the word-list editor on Woord-9.lst (opened and saved) and 100 pages of every card
// kind printed to PDF. After each step the peak resident size so far (getrusage ru_maxrss).
// Target: under 120 MB.
//
// Usage: bench_geheugen [Data folder]   (default: assets/Data of the source tree)

#include "support/OpnameSpraak.h"

#include "core/Algemeen.h"
#include "core/Clock.h"
#include "core/RandomSource.h"
#include "print/PdfTarget.h"
#include "print/PrintJob.h"
#include "ui/bingo/BingoBord.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/editor/EditForm.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/quiz/QuizSpel.h"
#include "ui/quiz/QuizWoordenLijst.h"
#include "ui/quiz/WoordInvoerVak.h"
#include "ui/toolkit/Dialogen.h"
#include "ui/toolkit/Omgeving.h"
#include "ui/toolkit/Wachter.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include <sys/resource.h>

namespace {

constexpr double DoelMB = 120.0;
constexpr int Paginas = 100;
constexpr double Versnelling = 10.0;

// Every question answered with "Ja", every name asked for is "Bench".
class Beantwoorder : public ui::Dialogen
{
public:
    ui::Antwoord melding(QWidget *, const QString &, const QString &, ui::Knoppen, ui::Icoon) override
    {
        return ui::Antwoord::Ja;
    }
    QString invoer(QWidget *, const QString &, const QString &) override { return QStringLiteral("Bench"); }
};

// Peak resident size so far, MB of 10^6 bytes (ru_maxrss is in KiB).
double piekMB()
{
    rusage gebruik{};
    getrusage(RUSAGE_SELF, &gebruik);
    return double(gebruik.ru_maxrss) * 1024.0 / 1e6;
}

void stap(const char *wat, QElapsedTimer &timer)
{
    std::printf("%-52s peak %7.1f MB  (%5.1f s)\n", wat, piekMB(), double(timer.restart()) / 1000.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    widgets::installProgramFonts();

    const std::filesystem::path bronMap = std::filesystem::path(__FILE__).parent_path().parent_path();
    const std::filesystem::path bron = argc > 1 ? std::filesystem::path(argv[1]) : bronMap / "assets" / "Data";
    QTemporaryDir map;
    std::error_code fout;
    std::filesystem::copy(bron, std::filesystem::path(map.path().toStdString()) / "Data",
                          std::filesystem::copy_options::recursive, fout);
    if (!map.isValid() || fout) {
        std::fprintf(stderr, "Cannot copy %s: %s\n", bron.c_str(), fout.message().c_str());
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    stap("application, no window", timer);

    core::Algemeen algemeen;
    core::VersneldeKlok klok(Versnelling);
    core::SeededRandom toeval(7);
    Beantwoorder dialogen;
    ui::KlokWachter wachter(klok);
    OpnameSpraak spraak;
    ui::Omgeving omgeving{algemeen, klok, toeval, dialogen, wachter, spraak, map.path()};
    ui::Main main(omgeving, QSize(1280, 800));
    main.show();
    QApplication::processEvents();
    stap("main window shown", timer);

    for (int beurt = 1; beurt <= 26; ++beurt)
        emit main.pic()->startKnop()->Click();
    QApplication::processEvents();
    stap("a bingo round of 26 draws", timer);

    // The quiz as the game-type dialog sets it up: its wheel, its screen.
    main.radPic()->laadPicture(omgeving.dataMap() + QStringLiteral("/rad-2.jpg"));
    algemeen.SpelSoort = core::SpelSoort::Quiz;
    main.pic()->setVisible(false);
    main.pic2()->setVisible(true);
    algemeen.QuizSeconden = 5;
    ui::QuizSpel &spel = main.pic2()->spel();
    spel.setToonScoreLijst([] {});
    spel.startSpel();
    // Words from the drawn letters, 2 to 9 of them in a row starting at every letter.
    QString letters;
    for (int k = 1; k <= 12; ++k)
        letters += QString::fromStdString(algemeen.QuizLetters[std::size_t(k)]);
    for (int lengte = 2; lengte <= 9 && letters.size() == 12; ++lengte) {
        for (int begin = 0; begin < 12; ++begin) {
            main.pic2()->text1()->setText((letters + letters).mid(begin, lengte).toLower());
            spel.woordIngevoerd();
        }
    }
    const int woorden = main.pic2()->listView1()->aantal();
    while (spel.fase() == ui::QuizSpel::Fase::Aftellen)
        spel.tik();
    QApplication::processEvents();
    std::printf("quiz: %d words entered, score %d\n", woorden, algemeen.QuizScore);
    stap("a quiz game with its word check", timer);

    {
        ui::EditForm form(main);
        form.show();
        form.combo1()->setCurrentIndex(form.combo1()->findText(QStringLiteral("Woord-9.lst")));
        QApplication::processEvents();
        if (!form.saveGeklikt())
            std::printf("editor: saving Woord-9.lst failed\n");
        QApplication::processEvents();
    }
    stap("editor: Woord-9.lst opened and saved", timer);

    const print::KaartSoort soorten[] = {print::KaartSoort::Bingo, print::KaartSoort::Random, print::KaartSoort::Breed,
                                         print::KaartSoort::VierBijVier};
    for (print::KaartSoort soort : soorten) {
        print::PdfTarget target(QDir(map.path()).filePath(QStringLiteral("kaarten.pdf")),
                                print::PdfTarget::Bundling::OneFileForJob);
        print::drukKaarten(target, soort, Paginas, toeval, QStringLiteral("www.alfabolotto.nl"), true);
    }
    stap("100 pages of every card kind printed to PDF", timer);

    const double piek = piekMB();
    std::printf(
        "TABEL|Peak memory in use (one process: 26 draws, quiz, editor, printing; ru_maxrss)|%.1f MB|< 120 MB|%s\n",
        piek, piek < DoelMB ? "yes" : "no");

    main.close();
    return 0;
}
