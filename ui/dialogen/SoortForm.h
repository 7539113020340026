#pragma once

#include <QDialog>
#include <QImage>

#include <array>

class QRadioButton;

namespace widgets {
class VistaButton;
}

namespace ui {

class Main;
class TekenPaneel;

// `SoortForm`: switches the program between the bingo game and the word quiz. The option of
// the current game type is selected when it opens and its wheel is previewed; `OkKnop` loads
// the chosen wheel picture from Data/ into the main window's wheel, sets `SpelSoort`, renames
// the game title and swaps the board and the quiz screen. The bingo round is left as it is,
// so switching back shows it again.
class SoortForm : public QDialog
{
    Q_OBJECT

public:
    explicit SoortForm(Main &main);

    // `Option1`(index) selected: the preview of that game's wheel.
    void optionGeklikt(int index);
    // `OkKnop`. A wheel picture that cannot be loaded is reported ("Error") and then the
    // dialog closes with nothing changed but the stopped countdown.
    void okGeklikt();

    QRadioButton *option1(int index) const { return m_option1[index]; }
    TekenPaneel *pic() const { return m_pic; }
    widgets::VistaButton *cancelKnop() const { return m_cancelKnop; }
    widgets::VistaButton *okKnop() const { return m_okKnop; }

    // The preview pictures `Image1` (bingo) and `Image2` (quiz).
    static QImage voorbeeld(int index);

private:
    void legUit();

    Main &m_main;
    TekenPaneel *m_pic = nullptr;
    std::array<QRadioButton *, 2> m_option1{};
    widgets::VistaButton *m_cancelKnop = nullptr;
    widgets::VistaButton *m_okKnop = nullptr;
};

// Opens `SoortForm` modally over the main window.
void toonSoortForm(Main &main);

} // namespace ui
