#include "ui/toolkit/KlikLabel.h"

#include <QMouseEvent>

namespace ui {

void KlikLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit klik();
}

void zetLabelKleur(QLabel *label, const QColor &kleur)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kleur);
    label->setPalette(palette);
}

QLabel *maakLabel(QWidget *parent, const QString &tekst, const QFont &font, const QColor &kleur)
{
    auto *label = new QLabel(parent);
    // Names and advertisement texts are shown as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(tekst);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    zetLabelKleur(label, kleur);
    label->adjustSize();
    return label;
}

} // namespace ui
