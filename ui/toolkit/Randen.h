#pragma once

#include <QColor>

#include <functional>

namespace ui {

class TekenPaneel;

// The framed look of the program's panels: a number of one-pixel rectangle outlines, one
// inside the other, the colour of outline i given by kleur(i) (0 = outermost). Outline i
// runs from (i, i) to (width - inner - i, height - inner - i): with inner 1 every outline is
// whole; with 0 the right and bottom edge of the outermost one fall just outside the panel.
void tekenRand(TekenPaneel &paneel, int lijnen, const std::function<QColor(int)> &kleur, int inner = 1);

} // namespace ui
