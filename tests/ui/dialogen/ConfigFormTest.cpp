#include "DialoogTest.h"

#include <QScrollBar>

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
