#include "DialoogTest.h"

#include "core/spraak/Roepnamen.h"

#include <QCheckBox>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>

using ConfigFormTest = DialoogTest;

// The sliders store the colour at once, even while dragged, so Cancel keeps it; text and seconds wait for Ok. The
// text is longer than a line edit takes by default.
TEST_F(ConfigFormTest, SlidersStoreTheColourAtOnceAndOkRefusesSecondsThatAreNoWholeNumber)
{
    test.algemeen.LetterKleur = {1, 254, 128};
    ConfigForm form(*main);
    const auto staal = [&form] { return form.label4()->grab().toImage().pixelColor(5, 5); }; // as painted
    EXPECT_EQ(staal(), QColor(1, 254, 128));
    form.hScroll1(1)->setSliderDown(true);
    form.hScroll1(1)->setSliderPosition(40);
    EXPECT_EQ(staal(), QColor(1, 40, 128));
    emit form.cancelKnop()->Click();
    EXPECT_EQ(test.algemeen.LetterKleur, (core::Kleur{1, 40, 128}));

    // The last text holds a sign that Alfabolotto.ini cannot store.
    const std::tuple<const char *, const char *, int> gevallen[] = {
        {"135", "", 135}, {" 200 ", "", 200},     {"151.5", "", 152},       {"", "", -1},
        {"12 3", "", -1}, {"2147483648", "", -1}, {"60", "\u2192 zaal", -1}};
    for (const auto &[getal, extra, seconden] : gevallen) { // -1: refused
        test.algemeen.QuizSeconden = 150;
        const QString tekst =
            QStringLiteral("Zeg \"kaas\" %1 ").arg(getal) + QString::fromUtf8(extra) + QString(40000, QLatin1Char('x'));
        ConfigForm dialoog(*main);
        dialoog.text1()->setText(tekst);
        dialoog.combo1()->setEditText(QString::fromLatin1(getal));
        dialoog.okGeklikt();
        EXPECT_EQ(dialoog.result() == QDialog::Accepted, seconden >= 0) << getal;
        EXPECT_EQ(test.algemeen.QuizSeconden, seconden >= 0 ? seconden : 150);
        EXPECT_EQ(main->label3()->text() == tekst && test.algemeen.ReclameTekst == tekst.toStdString(), seconden >= 0);
    }
    ASSERT_EQ(test.dialogen.meldingen.size(), 4u);
    EXPECT_TRUE(test.dialogen.meldingen.back().tekst.contains(QStringLiteral("niet in Alfabolotto.ini")));
    test.dialogen.meldingen.pop_back();
    EXPECT_EQ(test.dialogen.meldingen, Meldingen(3, {SecondenMelding, "Instellingen", Knoppen::Ok, Icoon::Geen}));
}

// The speech choices open as stored and Ok stores them with the other preferences. "Test" tries
// the voice as chosen in the dialog; a dialog closed otherwise gives the voice its stored choice
// back. Voices the engine reports later join the list.
TEST_F(ConfigFormTest, SpeechChoicesAreStoredByOkAndTestTriesTheVoiceAsChosen)
{
    const QString vrouw = QStringLiteral("Dutch+female2");
    Voorkeuren voorkeuren;
    voorkeuren.spraak = {vrouw, -3, 70};
    main->zetVoorkeuren(voorkeuren);
    test.spraak.waarom = QStringLiteral("Geen spraak: geen Nederlandse stem.");
    {
        ConfigForm form(*main);
        EXPECT_EQ(form.stemKeuze()->currentText(), vrouw) << "kept while the engine has not offered it";
        EXPECT_EQ(std::pair(form.snelheidKeuze()->value(), form.volumeKeuze()->value()), std::pair(-3, 70));
        EXPECT_EQ(form.spraakToestand()->text(), test.spraak.waarom);
        test.spraak.stemLijst = {QStringLiteral("Dutch"), vrouw};
        test.spraak.waarom.clear();
        emit test.spraak.toestandGewijzigd();
        EXPECT_EQ(std::pair(form.stemKeuze()->count(), form.spraakToestand()->text()), std::pair(3, QString()))
            << "the default and the two voices, and no reason for silence";
        form.stemKeuze()->setCurrentIndex(form.stemKeuze()->findText(QStringLiteral("Dutch")));
        form.volumeKeuze()->setValue(40);
        emit form.testKnop()->Click();
        EXPECT_EQ(test.spraak.zinnen, QStringList{uit(core::roepZin('A'))});
        EXPECT_EQ(test.spraak.keuze, (SpraakKeuze{QStringLiteral("Dutch"), -3, 40}));
        emit form.cancelKnop()->Click();
        EXPECT_EQ(test.spraak.keuze, voorkeuren.spraak);
    }
    ConfigForm form(*main);
    form.spraakKeuze()->setChecked(false);
    form.snelheidKeuze()->setValue(5);
    form.okGeklikt();
    const Voorkeuren bewaard = Voorkeuren::lees();
    EXPECT_TRUE(!bewaard.spraakAan && bewaard.spraak == (SpraakKeuze{vrouw, 5, 70}));
    EXPECT_EQ(test.spraak.keuze, bewaard.spraak);

    QSettings(Voorkeuren::pad(), QSettings::IniFormat).setValue(QStringLiteral("spraak/volume"), 250);
    QSettings(Voorkeuren::pad(), QSettings::IniFormat).setValue(QStringLiteral("spraak/snelheid"), QStringLiteral("x"));
    EXPECT_EQ(std::pair(Voorkeuren::lees().spraak.volume, Voorkeuren::lees().spraak.snelheid), std::pair(100, 0));
}
