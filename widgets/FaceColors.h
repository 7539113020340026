#pragma once

#include "widgets/ButtonState.h"

#include <QRgb>

#include <array>

namespace widgets {

// The colours of one button state.
// gradient: g0..g1 upper face, g2..g3 lower face, g4..g5 upper side edges, g6..g7 lower side edges.
// border: b0 outer ring, b1 top inner line, b2..b11 the ten pixels of each top corner,
// b12..b19 the eight pixels of each bottom corner, b20 bottom inner line.
struct FaceColors {
    std::array<QRgb, 8> gradient;
    std::array<QRgb, 21> border;
};

const FaceColors &faceColors(ButtonState state);

} // namespace widgets
