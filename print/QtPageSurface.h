#pragma once

#include "print/PageSurface.h"

#include <QFont>

#include <functional>

class QPainter;

namespace print {

// Draws the page operations with a painter that is already active on a printer, a PDF
// writer or an image. The painter gets one transform, from twips to device units
// (device dots per inch / 1440 on each axis), and keeps its origin, which on a printer
// is the top-left corner of the printable area.
class QtPageSurface : public PageSurface
{
public:
    // finish ends the document on the device (for instance QPainter::end()) and says
    // whether that worked; it is called once, by the first endDocument().
    QtPageSurface(QPainter &painter, std::function<bool()> finish);

    void line(int x1, int y1, int x2, int y2, const QColor &colour) override;
    void box(int x1, int y1, int x2, int y2, const QColor &colour) override;
    void filledBox(int x1, int y1, int x2, int y2, const QColor &colour) override;
    void text(int x, int y, const QString &text, const PageFont &font, const QColor &colour) override;
    void picture(int x, int y, int width, int height, const QImage &image, const QString &name) override;
    bool endDocument() override;

    // The Qt font that text() draws with, sized in twips (1 point = 20 twips).
    static QFont qtFont(const PageFont &font);

private:
    void setThinPen(const QColor &colour);

    QPainter &m_painter;
    std::function<bool()> m_finish;
    bool m_ended = false;
};

} // namespace print
