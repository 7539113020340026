#pragma once

#include <QImage>
#include <QRgb>

namespace widgets {

// The pixel primitives the button face is built from, written straight into a 32-bit image
// so every pixel lands exactly where the face's layout puts it. Everything is clipped to
// the image; nothing outside it is touched.
class FaceCanvas
{
public:
    // The image must be Format_RGB32 or one of the 32-bit ARGB formats.
    explicit FaceCanvas(QImage &image);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    void clear(QRgb color);
    void pixel(int x, int y, QRgb color);
    // Horizontal run at row y from min(x1, x2) to max(x1, x2), both ends included.
    void run(int x1, int x2, int y, QRgb color);
    // Outline of the rectangle with opposite corners (x1, y1) and (x2, y2), corners included.
    void box(int x1, int y1, int x2, int y2, QRgb color);
    // Fills columns min(x1, x2) up to but not including max(x1, x2) and rows y1 up to but not
    // including y2. Each channel moves linearly with the row from `top` at y1 towards `bottom`
    // at y2, computed on 16-bit channels like the platform's vertical gradient fill.
    void gradientRect(int x1, int y1, int x2, int y2, QRgb top, QRgb bottom);

private:
    // Fills columns [from, to) of row y.
    void span(int y, int from, int to, QRgb color);

    QImage &m_image;
};

} // namespace widgets
