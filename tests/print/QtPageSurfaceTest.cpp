#include "core/RandomSource.h"
#include "print/KaartLayouts.h"
#include "print/QtPageSurface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A white page of the given size in device dots at the given resolution.
QImage leegBlad(int breedte, int hoogte, int dpi)
{
    QImage image(breedte, hoogte, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    return image;
}

bool isInkt(QRgb pixel) { return qGray(pixel) < 200; }

// The rows and columns with ink in them, as a rectangle; empty when the page is blank.
QRect inktVlak(const QImage &image)
{
    QRect vlak;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInkt(image.pixel(x, y)))
                vlak |= QRect(x, y, 1, 1);
    return vlak;
}

template<typename Draw>
QImage teken(QImage image, Draw draw)
{
    QPainter painter(&image);
    print::QtPageSurface surface(painter, [&] { return painter.end(); });
    draw(surface);
    surface.endDocument();
    return image;
}

} // namespace

TEST(QtPageSurface, LineInTwipsLandsOnTheDevicePixelsWithAOneDotPen)
{
    // At 144 dpi one twip is a tenth of a dot: (600, 600)-(5100, 600) is (60, 60)-(510, 60).
    const QImage image = teken(leegBlad(600, 200, 144), [](print::PageSurface &s) {
        s.line(600, 600, 5100, 600, Qt::black);
    });
    EXPECT_EQ(inktVlak(image), QRect(QPoint(60, 60), QPoint(510, 60)));
}

TEST(QtPageSurface, TheSameTwipsLandOnTheSamePlaceOnPaperAtEveryResolution)
{
    for (int dpi : {72, 96, 144, 300, 600}) {
        const double schaal = dpi / 1440.0;
        const QImage image = teken(leegBlad(int(6000 * schaal), int(1000 * schaal), dpi),
                                   [](print::PageSurface &s) { s.line(600, 600, 5100, 600, Qt::black); });
        const QRect vlak = inktVlak(image);
        EXPECT_EQ(vlak.height(), 1) << dpi << " dpi";
        EXPECT_NEAR(vlak.left(), 600 * schaal, 1.0) << dpi << " dpi";
        EXPECT_NEAR(vlak.right(), 5100 * schaal, 1.0) << dpi << " dpi";
        EXPECT_NEAR(vlak.top(), 600 * schaal, 1.0) << dpi << " dpi";
    }
}

TEST(QtPageSurface, TwentyFourPointTextIsTwentyFourPointsOnPaper)
{
    // At 288 dpi a point is 4 dots, so the em of 24-point text is 96 dots whatever the
    // device resolution; the line height of Arial (Liberation Sans) is 1.117 em.
    const int dpi = 288;
    const print::PageFont arial{"Arial", 24, true};
    const QImage image = teken(leegBlad(800, 800, dpi), [&](print::PageSurface &s) {
        s.text(1000, 2000, QStringLiteral("H"), arial, Qt::black);
    });

    QImage leeg = leegBlad(10, 10, dpi);
    QPainter painter(&leeg);
    print::QtPageSurface surface(painter, nullptr);
    painter.setFont(print::QtPageSurface::qtFont(arial));
    const double schaal = dpi / 1440.0;
    const double regelHoogte = painter.fontMetrics().height() * schaal;
    const double ascent = QFontMetricsF(painter.font()).ascent() * schaal;
    painter.end();
    EXPECT_NEAR(regelHoogte, 96 * 1.117, 2.0);

    // The ink of "H" runs from its cap height down to the baseline, one ascent below the
    // top of the line box at (1000, 2000) twips = (200, 400) dots.
    const QRect h = inktVlak(image);
    EXPECT_NEAR(h.height(), 96 * 0.716, 3.0); // cap height of Arial: 1467 / 2048 em
    EXPECT_NEAR(h.bottom() + 1, 400 + ascent, 1.5);
    EXPECT_NEAR(ascent, 96 * 0.905, 1.5);
    EXPECT_GE(h.left(), 200);
    EXPECT_LT(h.left(), 215);
}

TEST(QtPageSurface, LongTextStaysOnOneLine)
{
    const print::PageFont arial{"Arial", 11, true};
    const QString lang(400, QLatin1Char('W'));
    const QImage image = teken(leegBlad(600, 400, 96), [&](print::PageSurface &s) {
        s.text(600, 600, lang, arial, Qt::black);
    });
    const QRect vlak = inktVlak(image);
    // 11 points at 96 dpi: an em of 14.7 dots, so one line stays within about 17 dots.
    EXPECT_LT(vlak.height(), 17);
    EXPECT_EQ(vlak.right(), image.width() - 1) << "the text runs off the right edge";
}

TEST(QtPageSurface, BoxesAndPicturesFillTheirRectangles)
{
    QImage rood(50, 40, QImage::Format_RGB32);
    rood.fill(QColor(255, 0, 0));
    const QImage image = teken(leegBlad(400, 400, 144), [&](print::PageSurface &s) {
        s.filledBox(1000, 1000, 2000, 1500, QColor(0, 0, 200));
        s.box(2500, 1000, 3000, 1500, Qt::black);
        s.picture(1000, 2000, 750, 630, rood, QStringLiteral("rood"));
        s.picture(2500, 2000, 750, 630, QImage(), QStringLiteral("leeg"));
    });
    EXPECT_EQ(image.pixelColor(100, 100), QColor(0, 0, 200));
    EXPECT_EQ(image.pixelColor(150, 125), QColor(0, 0, 200));
    EXPECT_EQ(image.pixelColor(200, 150), QColor(0, 0, 200)); // the outline in the same colour
    EXPECT_EQ(image.pixelColor(250, 125), QColor(0, 0, 0));    // outline only
    EXPECT_EQ(image.pixelColor(275, 125), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(101, 201), QColor(255, 0, 0)); // (1000, 2000) scaled to 75 x 63
    EXPECT_EQ(image.pixelColor(173, 261), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(178, 266), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(280, 230), QColor(Qt::white)); // a null picture draws nothing
}

TEST(QtPageSurface, EndsTheDocumentOnce)
{
    QImage image = leegBlad(10, 10, 96);
    QPainter painter(&image);
    int beeindigd = 0;
    print::QtPageSurface surface(painter, [&] {
        ++beeindigd;
        return painter.end();
    });
    EXPECT_TRUE(surface.endDocument());
    EXPECT_TRUE(surface.endDocument());
    EXPECT_EQ(beeindigd, 1);
}

TEST(QtPageSurface, AWholeSheetLandsOnAnA4PageAtNinetySixDots)
{
    // 96 dpi: 15 twips a dot. A4 is 794 x 1123 dots; a printable area a quarter inch in.
    QImage image = teken(leegBlad(794 - 48, 1123 - 48, 96), [](print::PageSurface &s) {
        core::SeededRandom random(1);
        print::MaakKaarten(s, random, QStringLiteral("www.alfabolotto.nl"));
    });
    // Top line of card 1: (600, 600)-(5100, 600) twips = (40, 40)-(340, 40) dots.
    for (int x = 40; x <= 340; x += 10)
        EXPECT_EQ(image.pixelColor(x, 40), QColor(Qt::black)) << x;
    EXPECT_EQ(image.pixelColor(38, 40), QColor(Qt::white));
    // Bottom line of card 6: (6210, 15600)-(10710, 15600) = (414, 1040)-(714, 1040).
    EXPECT_EQ(image.pixelColor(414, 1040), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(714, 1040), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(716, 1040), QColor(Qt::white));
    // The red heading "B" of card 1 inside its cell (600..1500, 600..1380 = 40..100, 40..92).
    int rood = 0;
    for (int y = 40; y < 92; ++y)
        for (int x = 40; x < 100; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 80 && c.blue() < 80)
                ++rood;
        }
    EXPECT_GT(rood, 100);
    // The footer at (600, 15720) = (40, 1048) leaves grey ink just below the grid.
    const QRect voet = inktVlak(image.copy(0, 1042, image.width(), image.height() - 1042));
    EXPECT_FALSE(voet.isEmpty());
}
