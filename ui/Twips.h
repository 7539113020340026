#pragma once

#include <cmath>

class QWidget;

namespace ui {

// Windows are laid out in twips, 15 to a pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

inline int twips(int value) { return int(std::lround(value / double(TwipsPerPixel))); }

// Places a control at left/top (twips) and, where given, sizes it (twips).
void plaats(QWidget *widget, int left, int top, int width = -1, int height = -1);

} // namespace ui
