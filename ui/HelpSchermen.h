#pragma once

#include <QObject>

namespace ui {

class Main;
class TekenPaneel;

// The help screens `HelpPic` (bingo game) and `HelpPic2` (word quiz), drawn once at start-up
// and shown in place of the wheel by the " Help " button.
class HelpSchermen : public QObject
{
    Q_OBJECT

public:
    explicit HelpSchermen(Main &main);

    // Shows or hides the help screen of the current game type.
    void wissel();

    TekenPaneel *helpPic() const { return m_helpPic; }
    TekenPaneel *helpPic2() const { return m_helpPic2; }

private:
    Main &m_main;
    TekenPaneel *m_helpPic = nullptr;
    TekenPaneel *m_helpPic2 = nullptr;
};

} // namespace ui
