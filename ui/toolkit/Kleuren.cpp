#include "ui/toolkit/Kleuren.h"

#include <QLabel>
#include <QPalette>

namespace ui {

void zetKleuren(QWidget *widget, const QColor &achtergrond, const QColor &tekst)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole rol : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(rol, achtergrond);
    for (const QPalette::ColorRole rol : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(rol, tekst);
    widget->setPalette(palette);
}

QLabel *maakVlak(QWidget *parent, const QColor &kleur)
{
    auto *vlak = new QLabel(parent);
    vlak->setAutoFillBackground(true);
    QPalette palette = vlak->palette();
    palette.setColor(QPalette::Window, kleur);
    vlak->setPalette(palette);
    return vlak;
}

} // namespace ui
