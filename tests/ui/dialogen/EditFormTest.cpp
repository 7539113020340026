#include "DialoogTest.h"

#include "support/GroteWoordenlijst.h"

#include "core/bestanden/FoutTekst.h"
#include "core/quiz/WoordTeksten.h"
#include "core/quiz/WoordZoeken.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>

#include <sys/resource.h>

namespace {

struct EditFormTest : DialoogTest {
    static void voegToe(EditForm &form, const QString &tekst)
    {
        form.text1()->setText(tekst);
        emit form.addKnop()->Click();
    }
    void verwijder(EditForm &form, int rij, Antwoord antwoord)
    {
        form.list1()->setCurrentIndex(form.woordenModel()->index(rij));
        test.dialogen.antwoorden = {antwoord};
        emit form.delKnop()->Click();
    }
};

} // namespace

// A word is kept as typed, also twice or with blanks in front, unless the file cannot hold a character of it.
TEST_F(EditFormTest, AddAndDeleteChangeExactlyTheWordMeantAndOpslaanWritesTheListInUpperCase)
{
    schrijf(QStringLiteral("Woord-5.lst"), "Zebra\r\nappel\r\n");
    EditForm form(*main);
    EXPECT_EQ(form.grab().toImage().pixelColor(150, 25), QColor(0, 0, 40)); // the list choice, not a style's button
    emit form.delKnop()->Click();                                           // nothing chosen yet
    for (const char *getypt : {"Peer", "peer", "  kat", "   ", "Café", "łoś", "k\U0001F600t"})
        voegToe(form, QString::fromUtf8(getypt));
    EXPECT_EQ(form.woordenModel()->stringList(), (QStringList{"  kat", "appel", "cafe", "peer", "peer", "zebra"}));
    ASSERT_EQ(test.dialogen.meldingen.size(), 4u); // then two words the file cannot hold
    EXPECT_EQ(test.dialogen.meldingen[0].tekst, uit(core::WoordGeenKeuzeMelding));
    EXPECT_EQ(test.dialogen.meldingen[1].tekst, uit(core::ZonderAccentenMelding("Café", "cafe")));
    test.dialogen.meldingen.clear();
    verwijder(form, 3, Antwoord::Nee);
    verwijder(form, 4, Antwoord::Ja); // one of two equal words
    const ScriptedDialogen::Melding vraag{uit(core::WoordVerwijderVraag("peer")), uit(core::WoordVerwijderTitel),
                                          Knoppen::JaNee, Icoon::Geen};
    EXPECT_EQ(test.dialogen.meldingen, Meldingen(2, vraag));
    EXPECT_EQ(form.woordLijst().words(), (std::vector<std::string>{"  kat", "appel", "cafe", "peer", "zebra"}));
    emit form.saveKnop()->Click();
    EXPECT_EQ(leesBestand(data("Woord-5.lst")), QByteArray("  KAT\r\nAPPEL\r\nCAFE\r\nPEER\r\nZEBRA\r\n"));
}

// Neither a list that could not be read nor a full disk may cost a file its words, not even a million of them.
TEST_F(EditFormTest, AnUnreadableListIsNeverSavedOverAndAFailedSaveKeepsTheOldFileAndSaysWhy)
{
    const QByteArray oud = QByteArray::fromStdString(groteWoordenlijst(1000000));
    schrijf(QStringLiteral("Woord-2.lst"), "OP\r\n");
    schrijf(QStringLiteral("Woord-3.lst"), "KAT\r\n");
    schrijf(QStringLiteral("Woord-9.lst"), oud);
    EditForm form(*main); // on the second list, Woord-3.lst
    ASSERT_TRUE(QFile::remove(data("Woord-2.lst")));
    form.combo1()->setCurrentText(QStringLiteral("Woord-2.lst"));
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_TRUE(test.dialogen.meldingen[0].tekst.contains(QStringLiteral("Woord-2.lst")));
    EXPECT_FALSE(form.addKnop()->isEnabled() || form.saveKnop()->isEnabled() || form.saveGeklikt());
    EXPECT_FALSE(QFile::exists(data("Woord-2.lst")));

    form.combo1()->setCurrentText(QStringLiteral("Woord-9.lst"));
    EXPECT_EQ(form.woordenModel()->rowCount(), 1000000);
    voegToe(form, QStringLiteral("bosbessen"));
    rlimit vorige{};
    getrlimit(RLIMIT_FSIZE, &vorige);
    const rlimit grens{8, vorige.rlim_max}; // as a disk that fills up while the list is written
    const auto vorigeAfhandeling = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &grens);
    EXPECT_FALSE(form.saveGeklikt());
    setrlimit(RLIMIT_FSIZE, &vorige);
    std::signal(SIGXFSZ, vorigeAfhandeling);
    EXPECT_EQ(QDir(test.omgeving.dataMap()).entryList(QDir::Files),
              (QStringList{"Woord-3.lst", "Woord-9.lst"})); // no leftovers
    EXPECT_TRUE(leesBestand(data("Woord-9.lst")) == oud);
    ASSERT_EQ(test.dialogen.meldingen.size(), 2u);
    EXPECT_EQ(test.dialogen.meldingen[1].tekst.section(QStringLiteral("\r\n"), 1, 1), uit(core::foutTekst(EFBIG)));
    EXPECT_TRUE(form.result() != QDialog::Accepted && form.saveGeklikt()); // still open with every word: try again
    const std::string map = test.omgeving.dataMap().toStdString();
    EXPECT_EQ(core::ZoekWoord(map, "bosbessen"), core::ZoekUitslag::Gevonden); // at once for the quiz
    EXPECT_EQ(core::ZoekWoord(map, groteLijstWoord(999999)), core::ZoekUitslag::Gevonden);
}

// Installed, the program opens a shipped list from where it was installed and saves it among the
// user's files, where the quiz reads it from then on; the shipped list stays as it came.
TEST_F(EditFormTest, AnInstalledProgramSavesAListAmongTheUsersFilesAndKeepsTheShippedOne)
{
    schrijf(QStringLiteral("Woord-3.lst"), "KAT\r\n");
    QTemporaryDir gebruiker;
    Bestandsplekken &plekken = test.omgeving.plekken;
    const QString meegeleverd = plekken.meegeleverdeData; // beside the program, as the test made it
    plekken.dataMap = gebruiker.filePath(QStringLiteral("alfabolotto/Data"));
    ASSERT_TRUE(plekken.maakMappen());
    EditForm form(*main);
    ASSERT_EQ(form.combo1()->currentText(), QStringLiteral("Woord-3.lst"));
    voegToe(form, QStringLiteral("rak"));
    emit form.saveKnop()->Click();
    EXPECT_EQ(leesBestand(plekken.dataMap + QStringLiteral("/Woord-3.lst")), QByteArray("KAT\r\nRAK\r\n"));
    EXPECT_EQ(leesBestand(meegeleverd + QStringLiteral("/Woord-3.lst")), QByteArray("KAT\r\n"));
    EXPECT_EQ(core::ZoekWoord(plekken.lijstMappen(), "rak"), core::ZoekUitslag::Gevonden);
}
