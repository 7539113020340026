#include "widgets/DeviceScale.h"

#include <QPainter>

#include <cmath>

namespace widgets {

qreal deviceScale(const QPainter &painter)
{
    const QTransform transform = painter.deviceTransform();
    const qreal scale = std::hypot(transform.m11(), transform.m12());
    return scale > 0 ? scale : 1.0;
}

bool differentScale(qreal a, qreal b) { return std::abs(a - b) > 0.001; }

QImage resampledForScale(const QImage &source, QSize logical, qreal scale)
{
    if (source.isNull() || logical.isEmpty())
        return source;
    const QSize pixels(std::max(1, int(std::ceil(logical.width() * scale))),
                       std::max(1, int(std::ceil(logical.height() * scale))));
    return source.size() == pixels ? source : source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void drawPixelForPixel(QPainter &painter, QPointF logicalTopLeft, const QImage &picture)
{
    const QTransform device = painter.deviceTransform();
    if (device.type() > QTransform::TxScale) {
        painter.drawImage(QRectF(logicalTopLeft, QSizeF(picture.size()) / deviceScale(painter)), picture);
        return;
    }
    // A world transform that leaves only a move to a whole screen pixel of the corner.
    const QPointF corner = device.map(logicalTopLeft);
    const QTransform toCorner = QTransform::fromTranslate(std::round(corner.x()), std::round(corner.y()));
    painter.save();
    painter.setWorldTransform(toCorner * device.inverted() * painter.worldTransform());
    painter.drawImage(QPointF(0, 0), picture);
    painter.restore();
}

} // namespace widgets
