#include "print/QtPageSurface.h"

#include "widgets/Fonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace print {
namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double TwipsPerPoint = 20.0;

QRectF corners(int x1, int y1, int x2, int y2) { return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(); }

} // namespace

QtPageSurface::QtPageSurface(QPainter &painter, std::function<bool()> finish)
    : m_painter(painter)
    , m_finish(std::move(finish))
{
    // The sheets name the Windows faces; the stand-ins must be known before the first text.
    widgets::installFontSubstitutions();

    const QPaintDevice *device = m_painter.device();
    const double scaleX = device ? device->logicalDpiX() / TwipsPerInch : 1.0;
    const double scaleY = device ? device->logicalDpiY() / TwipsPerInch : 1.0;
    m_painter.setTransform(QTransform::fromScale(scaleX, scaleY));
    m_painter.setBrush(Qt::NoBrush);
}

QFont QtPageSurface::qtFont(const PageFont &font)
{
    // Sized in the page's own unit: under the twips transform a pixel is a twip, so the
    // printed letter has its point size whatever the device resolution. A point size
    // would be taken at the device's dots per inch and come out scaled twice.
    QFont qfont(font.family);
    qfont.setPixelSize(std::max(1, int(std::lround(font.points * TwipsPerPoint))));
    qfont.setBold(font.bold);
    // Hinting is for screen pixels; on paper it would only bend the outlines.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

void QtPageSurface::setThinPen(const QColor &colour)
{
    QPen pen(colour);
    pen.setWidth(0); // cosmetic: one device dot whatever the transform
    pen.setCosmetic(true);
    m_painter.setPen(pen);
}

void QtPageSurface::line(int x1, int y1, int x2, int y2, const QColor &colour)
{
    setThinPen(colour);
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtPageSurface::box(int x1, int y1, int x2, int y2, const QColor &colour)
{
    setThinPen(colour);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(corners(x1, y1, x2, y2));
}

void QtPageSurface::filledBox(int x1, int y1, int x2, int y2, const QColor &colour)
{
    const QRectF rect = corners(x1, y1, x2, y2);
    m_painter.fillRect(rect, colour);
    setThinPen(colour);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(rect);
}

void QtPageSurface::text(int x, int y, const QString &text, const PageFont &font, const QColor &colour)
{
    if (text.isEmpty())
        return;
    const QFont qfont = qtFont(font);
    m_painter.setFont(qfont);
    m_painter.setPen(colour);
    // drawText at a point never wraps; the point is the baseline, one ascent below the top.
    const QFontMetricsF metrics(qfont);
    m_painter.drawText(QPointF(x, y + metrics.ascent()), text);
}

void QtPageSurface::picture(int x, int y, int width, int height, const QImage &image, const QString &)
{
    if (image.isNull())
        return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(QRectF(x, y, width, height), image);
    m_painter.restore();
}

bool QtPageSurface::endDocument()
{
    if (m_ended)
        return true;
    m_ended = true;
    return m_finish ? m_finish() : true;
}

} // namespace print
