#include "support/TestOmgeving.h"

#include "core/quiz/WoordZoeken.h"
#include "ui/toolkit/Aanwijzer.h"
#include "ui/editor/EditForm.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/toolkit/Twips.h"
#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace ui;

namespace {

QByteArray leesBestand(const QString &pad)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return "<ontbreekt>";
    return bestand.readAll();
}

void schrijfBestand(const QString &pad, const QByteArray &inhoud)
{
    QFile bestand(pad);
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly | QIODevice::Truncate)) << pad.toStdString();
    bestand.write(inhoud);
}

struct EditFormTest : ::testing::Test {
    TestOmgeving test;
    std::unique_ptr<Main> main;

    void SetUp() override
    {
        main = std::make_unique<Main>(test.omgeving, QSize(1280, 800));
        test.dialogen.meldingen.clear();
    }
    void TearDown() override
    {
        test.dialogen.antwoorden = {Antwoord::Ja};
        main->close();
    }

    QString data(const QString &naam) const { return QDir(test.omgeving.dataMap()).filePath(naam); }
    void lijst(const QString &naam, const QByteArray &inhoud) { schrijfBestand(data(naam), inhoud); }
    void kopieerLijst(const QString &naam)
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(ALFABO_SOURCE_DIR "/assets/Data/") + naam, data(naam)));
    }

    static QStringList getoond(const EditForm &form) { return form.woordenModel()->stringList(); }
    static QStringList inCore(const EditForm &form)
    {
        QStringList woorden;
        for (const std::string &woord : form.woordLijst().words())
            woorden << QString::fromStdString(woord);
        return woorden;
    }
    static void kies(EditForm &form, const QString &naam)
    {
        const int index = form.combo1()->findText(naam);
        ASSERT_GE(index, 0) << naam.toStdString();
        form.combo1()->setCurrentIndex(index);
    }
    static void selecteer(EditForm &form, int rij) { form.list1()->setCurrentIndex(form.woordenModel()->index(rij)); }
    static void voegToe(EditForm &form, const QString &tekst)
    {
        form.text1()->setText(tekst);
        emit form.addKnop()->Click();
    }
    static bool bewerkbaar(const EditForm &form)
    {
        return form.addKnop()->isEnabled() && form.delKnop()->isEnabled() && form.saveKnop()->isEnabled() &&
               form.text1()->isEnabled();
    }
};

} // namespace

TEST_F(EditFormTest, WindowAndControlsStandWhereTheLayoutSays)
{
    lijst(QStringLiteral("Woord-2.lst"), "AB\r\n");
    lijst(QStringLiteral("Woord-3.lst"), "KAT\r\n");
    EditForm form(*main);

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Woordlijst Bijwerken"));
    EXPECT_EQ(form.size() + QSize(VensterRandBreedte, VensterRandHoogte), QSize(twips(3945), twips(6750)));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(230, 230, 190));

    const struct {
        const char *naam;
        int left, top, width, height; // twips; -1: the control's own
    } plaatsen[] = {
        {"Combo1", 180, 210, 3510, -1},   {"List1", 180, 660, 3510, 4140},    {"Label1", 195, 4860, -1, -1},
        {"Text1", 180, 5190, 2640, -1},   {"AddKnop", 2910, 5190, 765, 360},  {"DelKnop", 180, 5790, 900, 360},
        {"CancelKnop", 1830, 5790, 900, 360}, {"SaveKnop", 2775, 5790, 900, 360},
    };
    for (const auto &p : plaatsen) {
        SCOPED_TRACE(p.naam);
        const auto *widget = form.findChild<QWidget *>(QString::fromLatin1(p.naam));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->pos(), QPoint(twips(p.left), twips(p.top)));
        if (p.width >= 0) {
            EXPECT_EQ(widget->width(), twips(p.width));
        }
        if (p.height >= 0) {
            EXPECT_EQ(widget->height(), twips(p.height));
        }
        EXPECT_LE(widget->geometry().right(), form.width());
        EXPECT_LE(widget->geometry().bottom(), form.height());
    }

    const struct {
        widgets::VistaButton *knop;
        const char *caption;
        const char *tooltip;
    } knoppen[] = {
        {form.addKnop(), "Add", " Woord toevoegen "},
        {form.delKnop(), "Delete", " Woord verwijderen "},
        {form.cancelKnop(), "Cancel", ""},
        {form.saveKnop(), "Opslaan", " Woordlijst opslaan "},
    };
    for (const auto &k : knoppen) {
        SCOPED_TRACE(k.caption);
        EXPECT_EQ(k.knop->caption(), QString::fromLatin1(k.caption));
        EXPECT_EQ(k.knop->toolTip(), QString::fromLatin1(k.tooltip));
        EXPECT_EQ(k.knop->backColor(), QColor(Qt::white));
    }

    EXPECT_FALSE(form.combo1()->isEditable());
    for (QWidget *donker : {static_cast<QWidget *>(form.combo1()), static_cast<QWidget *>(form.list1())}) {
        EXPECT_EQ(donker->palette().color(QPalette::Base), QColor(0, 0, 40));
        EXPECT_EQ(donker->palette().color(QPalette::Button), QColor(0, 0, 40));
        EXPECT_EQ(donker->palette().color(QPalette::Text), QColor(240, 240, 240));
        EXPECT_EQ(donker->palette().color(QPalette::ButtonText), QColor(240, 240, 240));
    }
    EXPECT_EQ(form.text1()->palette().color(QPalette::Base), QColor(200, 240, 200));
    EXPECT_TRUE(form.text1()->text().isEmpty());
}

TEST_F(EditFormTest, OpeningOffersTheListsAlphabeticallyAndLoadsTheSecond)
{
    lijst(QStringLiteral("Woord-5.lst"), "APPEL\r\n");
    lijst(QStringLiteral("Woord-3.lst"), "KAT\r\nAAP\r\nGNU\r\n");
    lijst(QStringLiteral("Woord-2.lst"), "AB\r\n");
    lijst(QStringLiteral("lees-mij.txt"), "geen lijst\r\n");
    EditForm form(*main);

    QStringList keuzes;
    for (int i = 0; i < form.combo1()->count(); ++i)
        keuzes << form.combo1()->itemText(i);
    EXPECT_EQ(keuzes, QStringList({"Woord-2.lst", "Woord-3.lst", "Woord-5.lst"}));
    EXPECT_EQ(form.combo1()->currentIndex(), 1);
    EXPECT_EQ(form.lijstPad(), data(QStringLiteral("Woord-3.lst")));
    EXPECT_EQ(getoond(form), QStringList({"aap", "gnu", "kat"}));
    EXPECT_EQ(inCore(form), getoond(form));
    EXPECT_EQ(form.label1()->text(), QStringLiteral("3 Woorden van 3 Letters"));
    EXPECT_EQ(form.text1()->maxLength(), 3);
    EXPECT_TRUE(bewerkbaar(form));
    EXPECT_TRUE(form.cancelKnop()->isEnabled());
    EXPECT_FALSE(toontBezigAanwijzer());
    EXPECT_TRUE(test.dialogen.meldingen.empty());
}

TEST_F(EditFormTest, WithFewerThanTwoListsTheOnlyOneOrNoneIsShown)
{
    {
        SCOPED_TRACE("no list at all");
        EditForm form(*main);
        EXPECT_EQ(form.combo1()->count(), 0);
        EXPECT_TRUE(getoond(form).isEmpty());
        EXPECT_EQ(form.label1()->text(), QStringLiteral("Geen woordlijsten gevonden in Data"));
        EXPECT_FALSE(form.addKnop()->isEnabled());
        EXPECT_FALSE(form.delKnop()->isEnabled());
        EXPECT_FALSE(form.saveKnop()->isEnabled());
        EXPECT_TRUE(form.cancelKnop()->isEnabled());
        EXPECT_FALSE(form.saveGeklikt());
        EXPECT_TRUE(form.lijstPad().isEmpty());
        EXPECT_EQ(QDir(test.omgeving.dataMap()).entryList(QDir::Files), QStringList());
    }
    lijst(QStringLiteral("Woord-4.lst"), "BEER\r\n");
    {
        SCOPED_TRACE("one list");
        EditForm form(*main);
        EXPECT_EQ(form.combo1()->count(), 1);
        EXPECT_EQ(form.combo1()->currentIndex(), 0);
        EXPECT_EQ(getoond(form), QStringList({"beer"}));
        EXPECT_EQ(form.label1()->text(), QStringLiteral("1 Woorden van 4 Letters"));
        EXPECT_TRUE(bewerkbaar(form));
    }
    EXPECT_TRUE(test.dialogen.meldingen.empty());
}

TEST_F(EditFormTest, TheWordLengthComesFromTheSeventhCharacterOfTheName)
{
    const struct {
        const char *naam;
        int lengte;
        const char *label;
    } gevallen[] = {
        {"Woord-2.lst", 2, "1 Woorden van 2 Letters"},  {"Woord-5.lst", 5, "1 Woorden van 5 Letters"},
        {"Woord-9.lst", 9, "1 Woorden van 9 Letters"},  {"Woord-1.lst", 9, "1 Woorden van 9 Letters"},
        {"Woord-12.lst", 9, "1 Woorden van 9 Letters"}, {"Woord-0.lst", 9, "1 Woorden"},
        {"Woordjes.lst", 9, "1 Woorden"},               {"Kort.lst", 9, "1 Woorden"},
    };
    for (const auto &g : gevallen)
        lijst(QString::fromLatin1(g.naam), "WOORD\r\n");
    EditForm form(*main);
    for (const auto &g : gevallen) {
        SCOPED_TRACE(g.naam);
        kies(form, QString::fromLatin1(g.naam));
        EXPECT_EQ(form.text1()->maxLength(), g.lengte);
        EXPECT_EQ(form.label1()->text(), QString::fromLatin1(g.label));
    }
}

TEST_F(EditFormTest, TheWordBoxRefusesMoreCharactersThanTheWordLength)
{
    lijst(QStringLiteral("Woord-3.lst"), "KAT\r\n");
    lijst(QStringLiteral("Woord-5.lst"), "APPEL\r\n");
    lijst(QStringLiteral("Woord-9.lst"), "APPELTAAR\r\n");
    EditForm form(*main);
    kies(form, QStringLiteral("Woord-5.lst"));
    QTest::keyClicks(form.text1(), QStringLiteral("wortels"));
    EXPECT_EQ(form.text1()->text(), QStringLiteral("worte"));

    kies(form, QStringLiteral("Woord-9.lst"));
    form.text1()->clear();
    QTest::keyClicks(form.text1(), QStringLiteral("kruisbessen"));
    EXPECT_EQ(form.text1()->text(), QStringLiteral("kruisbess"));
}

TEST_F(EditFormTest, AListInMixedCaseIsShownInLowerCaseAndSavedInUpperCase)
{
    lijst(QStringLiteral("Woord-3.lst"), "KAT\r\n");
    lijst(QStringLiteral("Woord-4.lst"), "Kaas\r\nbeer\r\nHOND\r\nEeNd\r\nCAF\xC9\r\n");
    EditForm form(*main);
    form.show();

    EXPECT_EQ(getoond(form), QStringList({"beer", QStringLiteral("café"), "eend", "hond", "kaas"}));
    emit form.saveKnop()->Click();

    EXPECT_EQ(leesBestand(data(QStringLiteral("Woord-4.lst"))),
              QByteArray("BEER\r\nCAF\xC9\r\nEEND\r\nHOND\r\nKAAS\r\n"));
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(test.dialogen.meldingen.empty());
}

TEST_F(EditFormTest, AddingKeepsTheTextAndFollowsTheRules)
{
    lijst(QStringLiteral("Woord-3.lst"), "KAT\r\n");
    lijst(QStringLiteral("Woord-5.lst"), "APPEL\r\nZEBRA\r\n");
    lijst(QStringLiteral("Woord-6.lst"), "KANTEN\r\n");
    EditForm form(*main);
    kies(form, QStringLiteral("Woord-5.lst"));

    const struct {
        const char *getypt;
        QStringList daarna;
        const char *label;
    } stappen[] = {
        {"Peer", {"appel", "peer", "zebra"}, "3 Woorden"},
        // A word already there is added again.
        {"peer", {"appel", "peer", "peer", "zebra"}, "4 Woorden"},
        // Blanks in front are part of the word and sort before every letter.
        {"  kat", {"  kat", "appel", "peer", "peer", "zebra"}, "5 Woorden"},
        // Only blanks, or nothing: no word, the count line stays.
        {"   ", {"  kat", "appel", "peer", "peer", "zebra"}, "5 Woorden"},
        {"", {"  kat", "appel", "peer", "peer", "zebra"}, "5 Woorden"},
        // No check of the letters.
        {"x-1!", {"  kat", "appel", "peer", "peer", "x-1!", "zebra"}, "6 Woorden"},
    };
    for (const auto &s : stappen) {
        SCOPED_TRACE(s.getypt);
        voegToe(form, QString::fromLatin1(s.getypt));
        EXPECT_EQ(getoond(form), s.daarna);
        EXPECT_EQ(inCore(form), s.daarna);
        EXPECT_EQ(form.label1()->text(), QString::fromLatin1(s.label));
        EXPECT_EQ(form.text1()->text(), QString::fromLatin1(s.getypt));
    }
    EXPECT_TRUE(test.dialogen.meldingen.empty());

    EXPECT_TRUE(form.saveGeklikt());
    EXPECT_EQ(leesBestand(data(QStringLiteral("Woord-5.lst"))),
              QByteArray("  KAT\r\nAPPEL\r\nPEER\r\nPEER\r\nX-1!\r\nZEBRA\r\n"));
    EXPECT_EQ(leesBestand(data(QStringLiteral("Woord-3.lst"))), QByteArray("KAT\r\n"));
}

TEST_F(EditFormTest, AWordWithALetterTheFileCannotHoldIsRefused)
{
    lijst(QStringLiteral("Woord-3.lst"), "KAT\r\n");
    lijst(QStringLiteral("Woord-4.lst"), "BEER\r\n");
    EditForm form(*main);

    voegToe(form, QStringLiteral("łoś"));
    EXPECT_EQ(getoond(form), QStringList({"beer"}));
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_EQ(test.dialogen.meldingen[0].titel, QStringLiteral(" Foutje"));
    EXPECT_EQ(test.dialogen.meldingen[0].knoppen, Knoppen::Ok);

    // Letters of Windows-1252 are fine, in either case.
    voegToe(form, QStringLiteral("ÉÉN"));
    EXPECT_EQ(getoond(form), QStringList({"beer", QStringLiteral("één")}));
    EXPECT_TRUE(form.saveGeklikt());
    EXPECT_EQ(leesBestand(data(QStringLiteral("Woord-4.lst"))), QByteArray("BEER\r\n\xC9\xC9N\r\n"));
}

TEST_F(EditFormTest, AfterSavingTheQuizFindsTheNewWordAtOnce)
{
    lijst(QStringLiteral("Woord-4.lst"), "BEER\r\n");
    kopieerLijst(QStringLiteral("Woord-5.lst"));
    const std::string map = test.omgeving.dataMap().toStdString();
    ASSERT_EQ(core::ZoekWoord(map, "kwxyz"), core::ZoekUitslag::NietGevonden);
    ASSERT_EQ(core::ZoekWoord(map, "appel"), core::ZoekUitslag::Gevonden);

    EditForm form(*main);
    ASSERT_EQ(form.combo1()->currentText(), QStringLiteral("Woord-5.lst"));
    const int voor = form.woordenModel()->rowCount();
    voegToe(form, QStringLiteral("KWXYZ"));
    EXPECT_EQ(form.woordenModel()->rowCount(), voor + 1);
    EXPECT_EQ(core::ZoekWoord(map, "kwxyz"), core::ZoekUitslag::NietGevonden) << "not saved yet";
    emit form.saveKnop()->Click();

    EXPECT_EQ(core::ZoekWoord(map, "kwxyz"), core::ZoekUitslag::Gevonden);
    EXPECT_EQ(core::ZoekWoord(map, "KWXYZ"), core::ZoekUitslag::Gevonden);
    EXPECT_EQ(core::ZoekWoord(map, "appel"), core::ZoekUitslag::Gevonden);
}

TEST_F(EditFormTest, DeleteWithoutASelectionSaysSoAndChangesNothing)
{
    lijst(QStringLiteral("Woord-3.lst"), "AAP\r\nKAT\r\n");
    EditForm form(*main);
    test.dialogen.antwoorden = {Antwoord::Ja};
    emit form.delKnop()->Click();

    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_EQ(test.dialogen.meldingen[0].tekst, QStringLiteral("Eerst een woord selecteren uit de lijst..."));
    EXPECT_EQ(test.dialogen.meldingen[0].titel, QStringLiteral(" Foutje"));
    EXPECT_EQ(test.dialogen.meldingen[0].knoppen, Knoppen::Ok);
    EXPECT_EQ(getoond(form), QStringList({"aap", "kat"}));
    EXPECT_EQ(test.dialogen.antwoorden.size(), 1u) << "no question was asked";
}

TEST_F(EditFormTest, DeleteAsksAndOnJaRemovesExactlyTheSelectedWord)
{
    lijst(QStringLiteral("Woord-3.lst"), "AAP\r\nKAT\r\nGNU\r\nKAT\r\nMOL\r\n");
    EditForm form(*main);
    ASSERT_EQ(getoond(form), QStringList({"aap", "gnu", "kat", "kat", "mol"}));

    selecteer(form, 1);
    test.dialogen.antwoorden = {Antwoord::Nee};
    emit form.delKnop()->Click();
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_EQ(test.dialogen.meldingen[0].tekst, QStringLiteral("Wil je 'gnu' verwijderen uit de lijst?"));
    EXPECT_EQ(test.dialogen.meldingen[0].titel, QStringLiteral(" Verwijderen"));
    EXPECT_EQ(test.dialogen.meldingen[0].knoppen, Knoppen::JaNee);
    EXPECT_EQ(test.dialogen.meldingen[0].icoon, Icoon::Geen);
    EXPECT_EQ(getoond(form).size(), 5);

    test.dialogen.antwoorden = {Antwoord::Ja};
    emit form.delKnop()->Click();
    EXPECT_EQ(getoond(form), QStringList({"aap", "kat", "kat", "mol"}));
    EXPECT_EQ(inCore(form), getoond(form));
    EXPECT_EQ(form.label1()->text(), QStringLiteral("4 Woorden"));
    EXPECT_TRUE(form.list1()->selectionModel()->selectedRows().isEmpty());

    // One of two equal words: only one goes.
    selecteer(form, 2);
    test.dialogen.antwoorden = {Antwoord::Ja};
    emit form.delKnop()->Click();
    EXPECT_EQ(getoond(form), QStringList({"aap", "kat", "mol"}));

    EXPECT_TRUE(form.saveGeklikt());
    EXPECT_EQ(leesBestand(data(QStringLiteral("Woord-3.lst"))), QByteArray("AAP\r\nKAT\r\nMOL\r\n"));
}

TEST_F(EditFormTest, AnEmptiedListSavesAnEmptyFile)
{
    lijst(QStringLiteral("Woord-3.lst"), "KAT\r\n");
    EditForm form(*main);
    selecteer(form, 0);
    test.dialogen.antwoorden = {Antwoord::Ja};
    emit form.delKnop()->Click();
    EXPECT_TRUE(getoond(form).isEmpty());
    EXPECT_EQ(form.label1()->text(), QStringLiteral("0 Woorden"));

    // Delete on an empty list does nothing at all.
    const std::size_t meldingen = test.dialogen.meldingen.size();
    emit form.delKnop()->Click();
    EXPECT_EQ(test.dialogen.meldingen.size(), meldingen);

    EXPECT_TRUE(form.saveGeklikt());
    EXPECT_TRUE(QFile::exists(data(QStringLiteral("Woord-3.lst"))));
    EXPECT_EQ(leesBestand(data(QStringLiteral("Woord-3.lst"))), QByteArray());
}

TEST_F(EditFormTest, ChoosingAnotherListReloadsItFromDiskAndDropsUnsavedChanges)
{
    lijst(QStringLiteral("Woord-2.lst"), "AB\r\n");
    lijst(QStringLiteral("Woord-3.lst"), "KAT\r\n");
    lijst(QStringLiteral("Woord-4.lst"), "BEER\r\nHOND\r\n");
    EditForm form(*main);
    voegToe(form, QStringLiteral("gnu"));
    ASSERT_EQ(getoond(form), QStringList({"gnu", "kat"}));

    kies(form, QStringLiteral("Woord-4.lst"));
    EXPECT_EQ(getoond(form), QStringList({"beer", "hond"}));
    EXPECT_EQ(form.label1()->text(), QStringLiteral("2 Woorden van 4 Letters"));
    EXPECT_EQ(form.lijstPad(), data(QStringLiteral("Woord-4.lst")));

    kies(form, QStringLiteral("Woord-3.lst"));
    EXPECT_EQ(getoond(form), QStringList({"kat"}));
    EXPECT_EQ(inCore(form), getoond(form));
    EXPECT_EQ(leesBestand(data(QStringLiteral("Woord-3.lst"))), QByteArray("KAT\r\n"));
    EXPECT_TRUE(test.dialogen.meldingen.empty()) << "no question about the lost changes";
}

TEST_F(EditFormTest, WhileLoadingTheButtonsAreDisabledAndTheBusyPointerShows)
{
    lijst(QStringLiteral("Woord-3.lst"), "KAT\r\n");
    lijst(QStringLiteral("Woord-4.lst"), "BEER\r\n");
    EditForm form(*main);

    bool gezien = false;
    bool knoppenUit = true;
    bool bezig = true;
    QObject::connect(form.woordenModel(), &QAbstractItemModel::modelReset, &form, [&] {
        gezien = true;
        for (QWidget *knop : {form.addKnop(), form.delKnop(), form.cancelKnop(), form.saveKnop()})
            knoppenUit = knoppenUit && !knop->isEnabled();
        bezig = bezig && toontBezigAanwijzer();
    });
    kies(form, QStringLiteral("Woord-3.lst"));

    ASSERT_TRUE(gezien);
    EXPECT_TRUE(knoppenUit);
    EXPECT_TRUE(bezig);
    EXPECT_TRUE(bewerkbaar(form));
    EXPECT_TRUE(form.cancelKnop()->isEnabled());
    EXPECT_FALSE(toontBezigAanwijzer());
}

TEST_F(EditFormTest, AListThatCannotBeReadIsReportedAndNeverSavedOver)
{
    lijst(QStringLiteral("Woord-3.lst"), "KAT\r\n");
    lijst(QStringLiteral("Woord-4.lst"), "BEER\r\n");
    lijst(QStringLiteral("Woord-5.lst"), "APPEL\r\n");
    EditForm form(*main);
    ASSERT_TRUE(QFile::remove(data(QStringLiteral("Woord-5.lst"))));

    kies(form, QStringLiteral("Woord-5.lst"));
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_TRUE(test.dialogen.meldingen[0].tekst.contains(QStringLiteral("Woord-5.lst")));
    EXPECT_EQ(test.dialogen.meldingen[0].titel, QStringLiteral(" Foutje"));
    EXPECT_EQ(test.dialogen.meldingen[0].icoon, Icoon::Kritiek);
    EXPECT_TRUE(getoond(form).isEmpty());
    EXPECT_FALSE(form.saveKnop()->isEnabled());
    EXPECT_FALSE(form.addKnop()->isEnabled());
    EXPECT_TRUE(form.cancelKnop()->isEnabled());
    EXPECT_FALSE(form.saveGeklikt());
    EXPECT_FALSE(QFile::exists(data(QStringLiteral("Woord-5.lst"))));

    kies(form, QStringLiteral("Woord-4.lst"));
    EXPECT_EQ(getoond(form), QStringList({"beer"}));
    EXPECT_TRUE(bewerkbaar(form));
}

TEST_F(EditFormTest, AFailedSaveKeepsTheOldFileTellsWhyAndKeepsTheEditorOpen)
{
    const QByteArray oud = "APPEL\r\nBANAAN\r\nCITROEN\r\nDADEL\r\n";
    const struct {
        const char *naam;
        rlim_t grootteGrens; // bytes; 0: none
        bool alleenLezen;
    } manieren[] = {
        // Like a disk that fills up while the new list is written.
        {"disk full", 8, false},
        {"read-only Data folder", 0, true},
    };
    for (const auto &m : manieren) {
        SCOPED_TRACE(m.naam);
        if (m.alleenLezen && ::geteuid() == 0)
            continue; // root writes into read-only folders
        lijst(QStringLiteral("Woord-3.lst"), "KAT\r\n");
        lijst(QStringLiteral("Woord-9.lst"), oud);
        EditForm form(*main);
        form.show();
        kies(form, QStringLiteral("Woord-9.lst"));
        voegToe(form, QStringLiteral("kruisbes"));
        test.dialogen.meldingen.clear();

        rlimit vorige{};
        void (*vorigeAfhandeling)(int) = SIG_DFL;
        if (m.grootteGrens) {
            getrlimit(RLIMIT_FSIZE, &vorige);
            vorigeAfhandeling = std::signal(SIGXFSZ, SIG_IGN); // the write past the limit then fails
            rlimit grens = vorige;
            grens.rlim_cur = m.grootteGrens;
            setrlimit(RLIMIT_FSIZE, &grens);
        }
        const QFileDevice::Permissions rechten = QFile::permissions(test.omgeving.dataMap());
        if (m.alleenLezen)
            QFile::setPermissions(test.omgeving.dataMap(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

        const bool bewaard = form.saveGeklikt();

        if (m.grootteGrens) {
            setrlimit(RLIMIT_FSIZE, &vorige);
            std::signal(SIGXFSZ, vorigeAfhandeling);
        }
        if (m.alleenLezen)
            QFile::setPermissions(test.omgeving.dataMap(), rechten);

        EXPECT_FALSE(bewaard);
        EXPECT_EQ(leesBestand(data(QStringLiteral("Woord-9.lst"))), oud);
        EXPECT_EQ(QDir(test.omgeving.dataMap()).entryList(QDir::Files), QStringList({"Woord-3.lst", "Woord-9.lst"}))
            << "nothing left behind";
        ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
        const auto &melding = test.dialogen.meldingen[0];
        EXPECT_TRUE(melding.tekst.startsWith(QStringLiteral("De woordlijst kon niet worden opgeslagen:\r\n")));
        const QString reden = melding.tekst.section(QStringLiteral("\r\n"), 1, 1);
        EXPECT_FALSE(reden.isEmpty());
        if (m.grootteGrens) {
            EXPECT_EQ(reden, QString::fromLocal8Bit(std::strerror(EFBIG)));
        }
        EXPECT_TRUE(melding.tekst.contains(QStringLiteral("Woord-9.lst")));
        EXPECT_EQ(melding.titel, QStringLiteral(" Foutje"));
        EXPECT_EQ(melding.icoon, Icoon::Kritiek);

        // The editor is still open with every word, and a second try can succeed.
        EXPECT_TRUE(form.isVisible());
        EXPECT_NE(form.result(), QDialog::Accepted);
        EXPECT_EQ(getoond(form), QStringList({"appel", "banaan", "citroen", "dadel", "kruisbes"}));
        EXPECT_TRUE(form.saveGeklikt());
        EXPECT_EQ(leesBestand(data(QStringLiteral("Woord-9.lst"))), oud + "KRUISBES\r\n");
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(EditFormTest, CancelClosesAndForgetsEveryChange)
{
    lijst(QStringLiteral("Woord-3.lst"), "AAP\r\nKAT\r\n");
    EditForm form(*main);
    form.show();
    voegToe(form, QStringLiteral("gnu"));
    selecteer(form, 0);
    test.dialogen.antwoorden = {Antwoord::Ja};
    emit form.delKnop()->Click();
    ASSERT_EQ(getoond(form), QStringList({"gnu", "kat"}));

    emit form.cancelKnop()->Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(leesBestand(data(QStringLiteral("Woord-3.lst"))), QByteArray("AAP\r\nKAT\r\n"));
}

TEST_F(EditFormTest, TheLargestListIsShownWhole)
{
    lijst(QStringLiteral("Woord-2.lst"), "AB\r\n");
    kopieerLijst(QStringLiteral("Woord-9.lst"));
    const int regels = int(leesBestand(data(QStringLiteral("Woord-9.lst"))).count("\r\n"));
    ASSERT_GT(regels, 30000);

    EditForm form(*main);
    ASSERT_EQ(form.combo1()->currentText(), QStringLiteral("Woord-9.lst"));
    EXPECT_EQ(form.woordenModel()->rowCount(), regels);
    EXPECT_EQ(form.label1()->text(), QStringLiteral("%1 Woorden van 9 Letters").arg(regels));
    const QStringList woorden = getoond(form);
    EXPECT_TRUE(std::is_sorted(woorden.cbegin(), woorden.cend()));
}
