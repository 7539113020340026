#include "ui/bingo/NieuwsteLetterMarkering.h"

#include <QPainter>

namespace ui {

namespace {
constexpr qreal LijnDikte = 4.0;
}

NieuwsteLetterMarkering::NieuwsteLetterMarkering(QWidget *bord)
    : QWidget(bord)
{
    setObjectName(QStringLiteral("NieuwsteLetter"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

// Light yellow stands out from the dark red board and from every letter colour, also on a
// washed-out projector.
QColor NieuwsteLetterMarkering::kleur() { return QColor(255, 230, 0); }

void NieuwsteLetterMarkering::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kleur(), LijnDikte, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const qreal half = LijnDikte / 2;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

} // namespace ui
