#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace ui {

// The operator's keys on the main window, whatever was clicked last: Space and Enter draw the
// next letter in the bingo game and K checks a claimed card there; F11 switches between full
// screen and a window. Keys typed into
// a text box or a dialog stay theirs.
class Bedieningstoetsen : public QObject
{
    Q_OBJECT

public:
    struct Acties {
        std::function<bool()> trekkenKan; // the bingo game is on the screen
        std::function<void()> trekLetter; // ignored during a draw by the round itself
        std::function<void()> wisselVolledigScherm;
        std::function<void()> kaartControleren; // K, in the bingo game
        std::function<void()> wisselZaalscherm; // F10
    };

    // Listens to the whole application for keys meant for this window (or the stage showing it).
    Bedieningstoetsen(QWidget &venster, Acties acties);
    void zetPodium(QWidget *podium) { m_podium = podium; }

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    bool isVanVenster(QObject *object) const;
    static bool isTekstInvoer(QObject *object);

    QWidget &m_venster;
    QWidget *m_podium = nullptr;
    Acties m_acties;
};

} // namespace ui
