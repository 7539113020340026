#pragma once

#include "ui/toolkit/TekenPaneel.h"

#include <functional>

namespace core {
struct LetterAfdruk;
}
namespace widgets {
class VistaButton;
}

namespace ui {

// `Pic`: the board on which the drawn letters of a round are printed, a grid of 5 x 6 cells of
// 96 x 80 pixels. Three corner cells show the logo, the fourth holds `StartKnop`.
class BingoBord : public TekenPaneel
{
    Q_OBJECT

public:
    explicit BingoBord(QWidget *parent = nullptr);

    // Empties the board: background, grid, dark corner cells, logos and the start button.
    void WisBord();
    // Prints both copies of a drawn letter.
    void DrukLetter(const core::LetterAfdruk &afdruk);

    widgets::VistaButton *startKnop() const { return m_startKnop; }

    // The frame around the letter drawn last (until the next draw or a cleared board).
    void zetMarkering(bool aan);
    QWidget *markering() const { return m_markering; }

private:
    widgets::VistaButton *m_startKnop = nullptr;
    QWidget *m_markering = nullptr;
    bool m_markeren = true;
    QImage m_logo;
    DetailBron m_logoDetail;
};

} // namespace ui
