// A picture made at the device scale lands pixel for pixel on the screen, whatever the painter's
// enlargement and the device's pixel ratio.
#include "widgets/DeviceScale.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

struct Geval {
    qreal vergroting;
    qreal pixelRatio;
    QPointF hoek;
};

TEST(DeviceScale, APictureAtTheDeviceScaleIsCopiedPixelForPixel)
{
    for (const Geval &geval : {Geval{1.0, 1.0, {3, 5}}, Geval{2.7, 1.0, {4, 2}}, Geval{1.5, 2.0, {10, 7}}}) {
        QImage plaatje(17, 13, QImage::Format_RGB32);
        for (int y = 0; y < plaatje.height(); ++y)
            for (int x = 0; x < plaatje.width(); ++x)
                plaatje.setPixel(x, y, qRgb(x * 15, y * 19, (x * y) % 256));
        QImage scherm(200, 200, QImage::Format_RGB32);
        scherm.setDevicePixelRatio(geval.pixelRatio);
        scherm.fill(Qt::black);
        QPainter painter(&scherm);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(geval.vergroting, geval.vergroting);
        const QPoint opScherm = painter.deviceTransform().map(geval.hoek).toPoint();
        widgets::drawPixelForPixel(painter, geval.hoek, plaatje);
        painter.end();
        EXPECT_EQ(scherm.copy(QRect(opScherm, plaatje.size())), plaatje)
            << geval.vergroting << " x " << geval.pixelRatio;
    }
}

} // namespace
