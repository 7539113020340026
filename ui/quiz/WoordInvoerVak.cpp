#include "ui/quiz/WoordInvoerVak.h"

#include <QKeyEvent>

namespace ui {

WoordInvoerVak::WoordInvoerVak(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(MaximumLetters);
}

void WoordInvoerVak::setAchtergrond(const QColor &kleur)
{
    QPalette palette = this->palette();
    // All colour groups, so the box stays grey while it is disabled too.
    palette.setColor(QPalette::Base, kleur);
    setPalette(palette);
}

QColor WoordInvoerVak::achtergrond() const { return palette().color(QPalette::Base); }

void WoordInvoerVak::mousePressEvent(QMouseEvent *event)
{
    clear();
    QLineEdit::mousePressEvent(event);
}

void WoordInvoerVak::keyPressEvent(QKeyEvent *event)
{
    // Both Enter keys; the word is handled before the box would pass the key on.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterGedrukt();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace ui
