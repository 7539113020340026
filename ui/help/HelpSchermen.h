#pragma once

#include "core/quiz/LijstMappen.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QString>

#include <array>
#include <span>

class QLabel;

namespace widgets {
class VistaButton;
}

namespace ui {

class Main;
class TekenPaneel;

// One printed line of a help screen; a continuation is printed right after the text, as one line.
struct HelpRegel {
    int x;
    int y;
    QColor kleur;
    bool kop; // the 12 point bold heading; all other lines are 10 point regular
    const char *tekst;
    const char *vervolg = "";

    // The line as printed; "{woorden}" in it becomes the number of words of the lists.
    QString regelTekst(const QString &aantalWoorden = {}) const;
};

// The help screens `HelpPic` (bingo game) and `HelpPic2` (word quiz): dark red panels on the
// main window, shown and hidden by the " Help " button in place of the wheel. The quiz help is
// drawn again each time it opens, with the number of words the lists then hold. On `HelpPic` the four buttons
// `Hknop`(0..3) show an example of each printed card kind in `LogoImg` while the mouse is over them.
class HelpSchermen : public QObject
{
    Q_OBJECT

public:
    // Made after the wheel, so the panels lie over it.
    explicit HelpSchermen(Main &main);

    // Shows or hides the help screen of the current game type; whether one is shown is read
    // from the wheel, which it replaces. While it is shown the game type cannot be changed,
    // and in the quiz no game can be started.
    void wissel();

    // The example of card kind 1..4 in `LogoImg`, or with 0 the neutral picture.
    void toonKaart(int kaart);

    TekenPaneel *helpPic() const { return m_helpPic; }
    TekenPaneel *helpPic2() const { return m_helpPic2; }
    widgets::VistaButton *hknop(int index) const { return m_hknop[index]; }
    QLabel *logoImg() const { return m_logoImg; }

    static QImage kaartPlaatje(int kaart);
    // The number of words of the lists in the folder, as the quiz help gives it ("ruim 101.000").
    static QString aantalWoorden(const core::LijstMappen &mappen);

    // The lines of `HelpPic` and `HelpPic2`, in the order they are printed.
    static std::span<const HelpRegel> bingoRegels();
    static std::span<const HelpRegel> quizRegels();

private:
    void maakHelpPic();
    void maakHelpPic2();
    // Its text with the number of words the lists hold when it is drawn.
    void tekenHelpPic2();

    Main &m_main;
    TekenPaneel *m_helpPic = nullptr;
    TekenPaneel *m_helpPic2 = nullptr;
    std::array<widgets::VistaButton *, 4> m_hknop{};
    QLabel *m_logoImg = nullptr;
    int m_kaart = 0;
    // Whether the quiz start button was usable when the quiz help opened: a quiz that runs
    // keeps it disabled until its end, so closing the help must not enable it.
    bool m_startSpelKnopWasAan = true;
};

} // namespace ui
