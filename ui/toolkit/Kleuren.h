#pragma once

#include <QColor>

class QLabel;
class QWidget;

namespace ui {

// Sets the background and text colour for every role a control may paint itself with,
// whatever the style uses for a combo box face, a list or an entry box.
void zetKleuren(QWidget *widget, const QColor &achtergrond, const QColor &tekst);

// A label used as a plain coloured area (a swatch, a panel behind controls).
QLabel *maakVlak(QWidget *parent, const QColor &kleur);

} // namespace ui
