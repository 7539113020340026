#pragma once

#include "ui/TekenPaneel.h"

namespace widgets {
class VistaButton;
}

namespace ui {

class Main;

// `Pic2`: the word quiz screen, shown in place of the board while the game type is the quiz.
class QuizScherm : public TekenPaneel
{
    Q_OBJECT

public:
    QuizScherm(Main &main, QWidget *parent);

    // Stops the countdown `Timer2` (the game-type dialog does this when it is confirmed).
    void stopAftellen();

    widgets::VistaButton *startSpelKnop() const { return m_startSpelKnop; }

private:
    Main &m_main;
    widgets::VistaButton *m_startSpelKnop = nullptr;
};

} // namespace ui
