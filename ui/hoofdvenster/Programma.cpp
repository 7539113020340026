#include "ui/hoofdvenster/Programma.h"

#include "core/Algemeen.h"
#include "core/bestanden/FileIo.h"
#include "core/Clock.h"
#include "core/RandomSource.h"
#include "core/Schermpassing.h"
#include "ui/hoofdvenster/EnigeInstantie.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/Opdrachtregel.h"
#include "ui/hoofdvenster/Weergave.h"
#include "ui/spraak/QtSpraak.h"
#include "ui/toolkit/Aanwijzer.h"
#include "ui/toolkit/Beelden.h"
#include "ui/toolkit/Dialogen.h"
#include "ui/toolkit/Nederlands.h"
#include "ui/toolkit/Omgeving.h"
#include "ui/toolkit/Voorkeuren.h"
#include "ui/toolkit/Wachter.h"
#include "widgets/Fonts.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QScreen>

#include <csignal>
#include <cstdio>

namespace ui {

int startProgramma(int argc, char **argv)
{
    if (const std::optional<int> afloop = voerOpdrachtregelUit(argc, argv))
        return *afloop;
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgrammaTitel);
    QApplication::setApplicationVersion(QStringLiteral(ALFABO_VERSIE));
    // The desktop entry the window belongs to, and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.alfabolotto.AlfaboLotto"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/pictogram.png")));
    installeerNederlands(app);

    EnigeInstantie instantie;
    if (!instantie.isEerste()) {
        if (!instantie.wekEerste())
            std::fputs("Alfabo Lotto draait al, maar reageert niet.\n", stderr);
        return 0;
    }
    widgets::installProgramFonts();

    core::Algemeen algemeen;
    // End-to-end tests speed the animation clock up; an operator never sets this.
    const double versnelling = qEnvironmentVariableIsSet("ALFABO_TESTKLOK_FACTOR")
        ? qEnvironmentVariable("ALFABO_TESTKLOK_FACTOR").toDouble()
        : 1.0;
    core::VersneldeKlok klok(versnelling);
    core::ClockSeededRandom toeval(klok);
    QtDialogen dialogen;
    KlokWachter wachter(klok);
    // A speech service that dies while a call is sent to it must not take the program along.
    std::signal(SIGPIPE, SIG_IGN);
    QtSpraak spraak;
    Omgeving omgeving{algemeen,
                      klok,
                      toeval,
                      dialogen,
                      wachter,
                      spraak,
                      Bestandsplekken::voor(QCoreApplication::applicationDirPath())};
    // An installed program's folders in the user's home are made on its first start.
    omgeving.plekken.maakMappen();
    omgeving.plekken.neemOverVanNaastHetProgramma();
    // What saves that were cut off (a crash, a power cut) left behind; no other program
    // is saving now.
    if (instantie.heeftSlot()) {
        core::removeStaleTemporaryFiles(QFile::encodeName(omgeving.plekken.instellingenMap).toStdString());
        core::removeStaleTemporaryFiles(QFile::encodeName(omgeving.dataMap()).toStdString());
    }

    const Voorkeuren voorkeuren = Voorkeuren::lees();
    QScreen *scherm = schermMetNaam(voorkeuren.beeldscherm);
    // The largest pictures of the first frame are read while the window is being built.
    const QStringList groteBeelden{QStringLiteral("rad-bingo.png"), QStringLiteral("logo.png")};
    leesVooruit(groteBeelden, 1.0);
    if (scherm && voorkeuren.passendOpScherm)
        leesVooruit(groteBeelden, core::pasOntwerpOp(scherm->size().width(), scherm->size().height()).schaal);
    // The stage lays the window out for the screen it stands on.
    Main main(omgeving, voorkeuren.passendOpScherm || !scherm ? Main::ontwerpMaat() : scherm->size());
    main.setCursor(eigenAanwijzer());
    main.zetVoorkeuren(voorkeuren);
    Weergave weergave(main);
    weergave.toon(voorkeuren);
    QObject::connect(&main, &Main::voorkeurenGewijzigd, &weergave, &Weergave::toon);
    QObject::connect(&instantie, &EnigeInstantie::gewekt, &main, [&weergave] {
        QWidget *venster = weergave.venster();
        venster->showFullScreen();
        venster->raise();
        venster->activateWindow();
    });
    const int uitkomst = app.exec();
    return uitkomst;
}

} // namespace ui
