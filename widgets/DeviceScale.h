#pragma once

#include <QImage>
#include <QSize>

class QPainter;

namespace widgets {

// How many device pixels one logical pixel covers where this painter draws: above 1 on a
// stage scaled up to a large screen or on a high-density screen, below 1 on a small screen.
qreal deviceScale(const QPainter &painter);

// True when a picture made for one scale would look different at the other.
bool differentScale(qreal a, qreal b);

// The picture resampled once to cover `logical` pixels at `scale`; drawn into a rectangle of
// the logical size at that scale, one of its pixels lands on one pixel of the screen.
QImage resampledForScale(const QImage &source, QSize logical, qreal scale);

} // namespace widgets
