// What the main window does with its files when they fail it, and that only one program runs
// per user: a high-score list it could not read is never written over, every failed save is
// told truthfully, user texts are shown as typed.
#include "support/TestOmgeving.h"

#include "core/quiz/ScorelijstBewaring.h"
#include "ui/bingo/BingoBord.h"
#include "ui/hoofdvenster/EnigeInstantie.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/QuizScherm.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ui;

namespace {

QString data(const TestOmgeving &test, const char *naam)
{
    return test.omgeving.dataMap() + QLatin1Char('/') + QLatin1String(naam);
}

bool sluitMetJa(TestOmgeving &test, Main &main)
{
    test.dialogen.antwoorden = {Antwoord::Ja};
    return main.close();
}

} // namespace

// A folder where the list should be (another user's file behaves alike, see the core tests):
// told once, at start, over the window; the scores of the session go beside it.
TEST(BewarenHoofdvenster, AnUnreadableListIsToldAtStartAndTheScoresOfTheSessionGoBesideIt)
{
    TestOmgeving test;
    QDir(test.omgeving.dataMap()).mkdir(QStringLiteral("Scorelijst.lib"));
    Main main(test.omgeving, QSize(1280, 800));
    QApplication::processEvents();
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_TRUE(test.dialogen.meldingen[0].tekst.contains(QStringLiteral("kon niet worden gelezen: het is een map")));
    main.scoreLijst().VoegScoreToe(40, "Sam");
    EXPECT_TRUE(main.bewaarScorelijst());
    EXPECT_TRUE(sluitMetJa(test, main));
    EXPECT_EQ(test.dialogen.meldingen.size(), 2u) << "only the exit question";
    EXPECT_TRUE(QFileInfo(data(test, "Scorelijst.lib")).isDir());
    core::ScoreLijst nieuw;
    ASSERT_TRUE(nieuw.LaadScorelijst(data(test, "Scorelijst.lib.nieuw").toStdString()));
    EXPECT_EQ(nieuw.count(), 1u);
}

// Without the Data folder: no box for an unchanged list; a changed one is told at each failure,
// and at exit the box says the new scores are lost.
TEST(BewarenHoofdvenster, EveryFailedSaveIsToldWithWhatBecomesOfTheScores)
{
    for (const bool nieuweScore : {false, true}) {
        TestOmgeving test;
        QDir(test.omgeving.dataMap()).removeRecursively();
        Main main(test.omgeving, QSize(1280, 800));
        QApplication::processEvents();
        if (nieuweScore) {
            main.scoreLijst().VoegScoreToe(40, "Sam");
            EXPECT_FALSE(main.bewaarScorelijst());
            EXPECT_FALSE(main.bewaarScorelijst());
        }
        EXPECT_TRUE(sluitMetJa(test, main));
        QStringList teksten;
        for (const auto &melding : test.dialogen.meldingen)
            teksten << melding.tekst.section(QStringLiteral("\r\n"), -1);
        const QStringList verwacht = nieuweScore
            ? QStringList{QStringLiteral("De scores blijven bewaard zolang het programma open is."),
                          QStringLiteral("De scores blijven bewaard zolang het programma open is."),
                          QStringLiteral("Wilt u dit programma nu afsluiten?"),
                          QStringLiteral("De nieuwe scores gaan verloren.")}
            : QStringList{QStringLiteral("Wilt u dit programma nu afsluiten?")};
        EXPECT_EQ(teksten, verwacht);
    }
}

// A settings file edited by hand is not rewritten when nothing changed; one that cannot be read
// is never replaced, even after a change.
TEST(BewarenHoofdvenster, TheSettingsFileIsOnlyRewrittenWhenItCouldBeReadAndSomethingChanged)
{
    const QByteArray handwerk = "\"x\"\n\"y\"\n\"Caf\xC3\xA9 \xE2\x86\x92 zaal\"\n1,2,3\n60\n";
    for (const bool leesbaar : {true, false}) {
        TestOmgeving test;
        const QString pad = test.omgeving.instellingenPad();
        if (leesbaar) {
            QFile bestand(pad);
            ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
            bestand.write(handwerk);
        } else {
            QDir().mkdir(pad);
        }
        Main main(test.omgeving, QSize(1280, 800));
        QApplication::processEvents();
        EXPECT_EQ(main.label2()->text(),
                  leesbaar ? QStringLiteral("Café → zaal") : QStringLiteral("www.alfabolotto.nl"));
        EXPECT_EQ(test.dialogen.meldingen.size(), leesbaar ? 0u : 1u);
        if (!leesbaar)
            test.algemeen.QuizSeconden = 99;
        EXPECT_TRUE(sluitMetJa(test, main));
        QFile bestand(pad);
        EXPECT_TRUE(leesbaar ? bestand.open(QIODevice::ReadOnly) && bestand.readAll() == handwerk
                             : QFileInfo(pad).isDir());
    }
}

TEST(BewarenHoofdvenster, NamesAndTheAdvertisementAreShownAsTypedNotAsMarkup)
{
    TestOmgeving test;
    Main main(test.omgeving, QSize(1280, 800));
    const QString opmaak = QStringLiteral("<h1 style=\"color:lime\">Bingo</h1>");
    test.algemeen.ReclameTekst = opmaak.toStdString();
    main.toonReclameTekst();
    main.pic2()->naamLabel()->setText(opmaak);
    for (QLabel *label : {main.label2(), main.label3(), main.pic2()->naamLabel()}) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
        EXPECT_GE(label->sizeHint().width(), label->fontMetrics().horizontalAdvance(opmaak));
    }
    sluitMetJa(test, main);
}

// The first program holds the lock and answers a later start, which then ends; when the first
// one is gone (or crashed, leaving its lock), the next start runs.
TEST(EnigeInstantie, ALaterStartWakesTheRunningProgramAndALeftLockIsTakenOver)
{
    QTemporaryDir map;
    {
        EnigeInstantie eerste(map.path());
        ASSERT_TRUE(eerste.isEerste() && eerste.heeftSlot());
        QSignalSpy gewekt(&eerste, &EnigeInstantie::gewekt);
        EnigeInstantie later(map.path());
        EXPECT_FALSE(later.isEerste() || later.heeftSlot());
        EXPECT_TRUE(later.wekEerste());
        EXPECT_TRUE(gewekt.wait(3000));
    }
    // Once the first has gone, and after a crash that left its lock behind.
    QFile slot(map.filePath(QStringLiteral("alfabolotto.lock")));
    ASSERT_TRUE(slot.open(QIODevice::WriteOnly));
    slot.write("999999999\nalfabolotto\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    slot.close();
    EnigeInstantie naCrash(map.path());
    EXPECT_TRUE(naCrash.heeftSlot());
}

// A run that ends without the confirmed exit (a crash, a power cut) leaves its round: the next
// start shows the same board and says so; after a confirmed exit the next start is round 1 again.
// A damaged round file is told and not used.
TEST(BewarenHoofdvenster, ARoundCutOffIsTakenUpAtTheNextStartUntilAConfirmedExit)
{
    TestOmgeving test;
    auto start = [&] {
        test.dialogen.meldingen.clear();
        auto main = std::make_unique<Main>(test.omgeving, QSize(1280, 800));
        QApplication::processEvents();
        return main;
    };
    auto eerste = start();
    for (int n = 0; n < 10; ++n)
        eerste->trekLetter();
    const QImage bord = eerste->pic()->surface();
    eerste.reset(); // no exit question answered

    auto tweede = start();
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_EQ(test.dialogen.meldingen[0].tekst, QStringLiteral("Ronde 1 hervat, 10 letters getrokken"));
    EXPECT_EQ(tweede->pic()->surface(), bord);
    EXPECT_TRUE(sluitMetJa(test, *tweede));
    tweede.reset();

    const QImage leeg = start()->pic()->surface();
    EXPECT_TRUE(test.dialogen.meldingen.empty());
    EXPECT_NE(leeg, bord);

    QFile bestand(data(test, "Ronde.dat"));
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    bestand.write("Alfabo Lotto ronde\r\n2\r\n");
    bestand.close();
    const QImage naFout = start()->pic()->surface();
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_TRUE(test.dialogen.meldingen[0].tekst.contains(QStringLiteral("beschadigd")));
    EXPECT_EQ(naFout, leeg);
}

// Beside the program while its Data is there to be written; an installed program (bin/ beside
// share/alfabolotto/Data) keeps its files in the user's folders and reads what it ships from
// share. The about box and --bestanden tell where they are.
TEST(Bestandsplekken, BesideTheProgramOrInstalledInTheUsersFoldersWithTheShippedDataFromShare)
{
    QTemporaryDir map;
    for (const char *pad : {"boom/Data", "prefix/bin", "prefix/share/alfabolotto/Data"})
        ASSERT_TRUE(QDir(map.path()).mkpath(QString::fromLatin1(pad)));
    const Bestandsplekken boom = Bestandsplekken::voor(map.filePath(QStringLiteral("boom")));
    EXPECT_EQ(std::tuple(boom.inGebruikersmappen, boom.instellingenPad(), boom.dataMap, boom.meegeleverdeData),
              std::tuple(false, map.filePath(QStringLiteral("boom/Alfabolotto.ini")),
                         map.filePath(QStringLiteral("boom/Data")), map.filePath(QStringLiteral("boom/Data"))));
    const Bestandsplekken geinstalleerd = Bestandsplekken::voor(map.filePath(QStringLiteral("prefix/bin")));
    const QString gedeeld = map.filePath(QStringLiteral("prefix/share/alfabolotto/Data"));
    EXPECT_EQ(std::tuple(geinstalleerd.inGebruikersmappen, geinstalleerd.instellingenPad(), geinstalleerd.dataMap,
                         geinstalleerd.meegeleverdeData),
              std::tuple(true, qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/alfabolotto/Alfabolotto.ini"),
                         qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/alfabolotto/Data"), gedeeld));
    for (const QString &pad : {geinstalleerd.instellingenPad(), geinstalleerd.dataMap, gedeeld})
        EXPECT_TRUE(geinstalleerd.omschrijving().contains(pad)) << pad.toStdString();

    // What a copy kept beside it goes to the user's folders, but never over what the user has.
    const QString naast = map.filePath(QStringLiteral("prefix/bin")), scores = QStringLiteral("/Scorelijst.lib");
    ASSERT_TRUE(geinstalleerd.maakMappen() && QDir(naast).mkpath(QStringLiteral("Data")));
    for (const auto &[pad, inhoud] : {std::pair{naast + QStringLiteral("/Alfabolotto.ini"), "oud"},
                                      {naast + QStringLiteral("/Data") + scores, "oud"},
                                      {geinstalleerd.dataMap + scores, "eigen"}}) {
        QFile bestand(pad);
        ASSERT_TRUE(bestand.open(QIODevice::WriteOnly) && bestand.write(inhoud) > 0);
    }
    geinstalleerd.neemOverVanNaastHetProgramma();
    EXPECT_EQ(std::pair(leesBestand(geinstalleerd.instellingenPad()), leesBestand(geinstalleerd.dataMap + scores)),
              std::pair(QByteArray("oud"), QByteArray("eigen")));
}
