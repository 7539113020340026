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

} // namespace widgets
