#pragma once

namespace core {

// How the design is fitted onto a screen: scaled uniformly so that it fills the screen in one
// direction, with the area of the whole screen in design pixels.
struct Schermpassing {
    double schaal = 1.0;
    int breedte = 0; // the screen's width in design pixels, at least the design's
    int hoogte = 0;
};

inline constexpr int OntwerpBreedte = 1250;
inline constexpr int OntwerpHoogte = 800;

// The fit for a screen of this size in pixels; an empty screen gets the design at 1:1.
Schermpassing pasOntwerpOp(int schermBreedte, int schermHoogte);

} // namespace core
