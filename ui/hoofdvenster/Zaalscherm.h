#pragma once

#include <QGraphicsView>

class QScreen;

namespace ui {

class Main;

// The hall's screen: the game as the main window shows it (wheel, board, round and turn, clock,
// the quiz, a checked card), full screen on a second screen and fitted to it, without the menu
// bar, the dialogs or the pointer, and taking no input. It is a second view of the stage's
// scene: it draws what the main window draws, in the same frame, and holds no game of its own.
// "Scherm zwart" blanks it for a break.
class Zaalscherm : public QGraphicsView
{
    Q_OBJECT

public:
    Zaalscherm(Main &main, QGraphicsScene &scene);

    // Full screen on that screen.
    void toonOp(QScreen *scherm);
    void zetZwart(bool zwart);
    bool isZwart() const { return m_zwart; }
    // The part of the stage shown: all of it below the menu bar.
    QRectF getoondDeel() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    void pasAan();

    Main &m_main;
    bool m_zwart = false;
};

} // namespace ui
