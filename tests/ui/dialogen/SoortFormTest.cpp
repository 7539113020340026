#include "DialoogTest.h"

#include "ui/bingo/BingoBord.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/toolkit/TekenPaneel.h"

#include <QRadioButton>

using SoortFormTest = DialoogTest;

TEST_F(SoortFormTest, OkSwitchesTheGameWithItsWheelAndTitlesCancelAndABrokenWheelChangeNothing)
{
    for (const char *naam : {"rad-1.jpg", "rad-2.jpg"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(ALFABO_SOURCE_DIR "/assets/Data/") + naam, data(naam)));
    const auto beeld = [this] { // the game, whether board and quiz are shown, the titles and the wheel
        return std::make_tuple(int(test.algemeen.SpelSoort), main->pic()->isVisibleTo(main.get()),
                               main->pic2()->isVisibleTo(main.get()),
                               main->logoLabel(0)->text() + main->logoLabel(1)->text(), main->radPic()->picture());
    };
    const auto begin = beeld();
    const auto bingo = std::make_tuple(1, true, false, QString("Alfabo LottoAlfabo Lotto"), QImage(data("rad-1.jpg")));
    const auto quiz = std::make_tuple(2, false, true, QString("Woorden QuizWoorden Quiz"), QImage(data("rad-2.jpg")));
    for (int stap = 0; stap < 4; ++stap) { // quiz cancelled, quiz, bingo, quiz with a broken wheel
        if (stap == 3)
            schrijf(QStringLiteral("rad-2.jpg"), "dit is geen jpeg");
        SoortForm form(*main);
        const int spel = stap == 2 ? 0 : 1;
        EXPECT_TRUE(form.option1(1 - spel)->isChecked()) << stap;                    // the current game
        EXPECT_EQ(form.grab().toImage().pixelColor(203, 90), QColor(220, 220, 190)); // the frame, no shade of a style
        form.option1(spel)->click();
        emit(stap ? form.okKnop() : form.cancelKnop())->Click();
        EXPECT_EQ(beeld(), stap == 0 ? begin : stap == 1 ? quiz : bingo);
    }
    EXPECT_EQ(test.dialogen.meldingen,
              (Meldingen{{"Kan gekozen afbeelding niet laden!", "Error", Knoppen::Ok, Icoon::Kritiek}}));
}
