#pragma once

#include <QWidget>

namespace ui {

// A bright frame around the cell of the letter drawn last, over the board; it lets clicks
// through to the board.
class NieuwsteLetterMarkering : public QWidget
{
    Q_OBJECT

public:
    explicit NieuwsteLetterMarkering(QWidget *bord);

    static QColor kleur();

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
