#include "widgets/FaceCanvas.h"

#include <algorithm>

namespace widgets {

namespace {

// One channel of a vertical gradient at `step` of `steps` rows, on 16-bit channels.
int gradientChannel(int top, int bottom, int step, int steps)
{
    const int top16 = top << 8;
    const int bottom16 = bottom << 8;
    return (top16 + (bottom16 - top16) * step / steps) >> 8;
}

} // namespace

FaceCanvas::FaceCanvas(QImage &image)
    : m_image(image)
{}

void FaceCanvas::span(int y, int from, int to, QRgb color)
{
    if (y < 0 || y >= height())
        return;
    from = std::max(from, 0);
    to = std::min(to, width());
    if (from >= to)
        return;
    auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
    std::fill(line + from, line + to, color | 0xff000000u);
}

void FaceCanvas::clear(QRgb color)
{
    for (int y = 0; y < height(); ++y)
        span(y, 0, width(), color);
}

void FaceCanvas::pixel(int x, int y, QRgb color) { span(y, x, x + 1, color); }

void FaceCanvas::run(int x1, int x2, int y, QRgb color) { span(y, std::min(x1, x2), std::max(x1, x2) + 1, color); }

void FaceCanvas::box(int x1, int y1, int x2, int y2, QRgb color)
{
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    run(x1, x2, top, color);
    run(x1, x2, bottom, color);
    for (int y = top + 1; y < bottom; ++y) {
        pixel(x1, y, color);
        pixel(x2, y, color);
    }
}

void FaceCanvas::gradientRect(int x1, int y1, int x2, int y2, QRgb top, QRgb bottom)
{
    const int steps = y2 - y1;
    if (steps <= 0)
        return;
    const int from = std::min(x1, x2);
    const int to = std::max(x1, x2);
    for (int y = std::max(y1, 0); y < std::min(y2, height()); ++y) {
        const int step = y - y1;
        const QRgb color = qRgb(gradientChannel(qRed(top), qRed(bottom), step, steps),
                                gradientChannel(qGreen(top), qGreen(bottom), step, steps),
                                gradientChannel(qBlue(top), qBlue(bottom), step, steps));
        span(y, from, to, color);
    }
}

} // namespace widgets
