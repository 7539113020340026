#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ui {

class Main;
class Zaalscherm;

// What only the operator needs while the hall watches its own screen: the letters of this
// round in the order drawn, the next letter, a new round, the card check (typed here, shown to
// the hall), speech on or off, and "Scherm zwart", which blanks the hall's screen for a break
// and brings it back. A small window over the bottom right of the operator's screen.
class Bedieningspaneel : public QWidget
{
    Q_OBJECT

public:
    Bedieningspaneel(Main &main, Zaalscherm &zaal);

    void plaatsOp(const QRect &scherm);
    QLabel *letters() const { return m_letters; }
    QPushButton *zwartKnop() const { return m_zwart; }
    QPushButton *trekKnop() const { return m_trek; }
    QCheckBox *spraakKeuze() const { return m_spraak; }

private:
    void werkBij();

    Main &m_main;
    QLabel *m_letters = nullptr;
    QPushButton *m_trek = nullptr;
    QPushButton *m_zwart = nullptr;
    QCheckBox *m_spraak = nullptr;
};

} // namespace ui
