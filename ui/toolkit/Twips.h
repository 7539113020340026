#pragma once

#include <cmath>

class QWidget;

namespace ui {

// Windows are laid out in twips, 15 to a pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

inline int twips(int value) { return int(std::lround(value / double(TwipsPerPixel))); }

// Places a control at left/top (twips) and, where given, sizes it (twips).
void plaats(QWidget *widget, int left, int top, int width = -1, int height = -1);

// Dialog sizes are given as outer sizes in twips, frame and title bar included; the
// window manager adds its own frame, so the inside is the outer size less a standard
// frame of 3 pixels on each side and a title bar of 20.
constexpr int VensterRandBreedte = 6;
constexpr int VensterRandHoogte = 26;
void zetVensterMaat(QWidget *venster, int widthTwips, int heightTwips);

} // namespace ui
