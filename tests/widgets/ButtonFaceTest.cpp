// Pixel rules of the button face: gradients, border, corners, state shading, background.
#include "ExpectedColours.h"

#include "widgets/ButtonFace.h"
#include "widgets/FaceColors.h"
#include "widgets/Fonts.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

using namespace widgets;
using buttontest::borderColour;
using buttontest::gradientColour;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const ButtonState kAllStates[] = {ButtonState::Normal, ButtonState::MouseOver, ButtonState::Pressed,
                                  ButtonState::Focused, ButtonState::Disabled};

FaceInput plainFace(ButtonState state)
{
    FaceInput input;
    input.state = state;
    input.enabled = state != ButtonState::Disabled;
    input.backColor = kWhite;
    input.font = designFont(QStringLiteral("Arial"), 8.25);
    return input;
}

QImage render(int width, int height, const FaceInput &input)
{
    QImage face(width, height, QImage::Format_RGB32);
    face.fill(Qt::magenta);
    paintFace(face, input);
    return face;
}

QString rgbText(QRgb c)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

#define EXPECT_PIXEL(face, x, y, expected)                                                     \
    EXPECT_EQ(rgbText((face).pixel((x), (y))).toStdString(), rgbText(expected).toStdString()) \
        << "pixel (" << (x) << ", " << (y) << ")"

// Checks rows [firstRow, lastRow] of columns [left, right]: every row is one colour, which
// lies between `top` and `bottom` within one step of the straight line from `top` at row
// `from` to `bottom` at row `to`; row `from` itself is exactly `top`.
void expectGradient(const QImage &face, int left, int right, int firstRow, int lastRow, int from,
                    int to, QRgb top, QRgb bottom)
{
    for (int y = firstRow; y <= lastRow; ++y) {
        const QRgb rowColour = face.pixel(left, y);
        for (int x = left; x <= right; ++x)
            EXPECT_EQ(face.pixel(x, y), rowColour) << "row " << y << " is not even at x " << x;
        const double t = double(y - from) / double(to - from);
        const std::pair<int, int> channels[] = {{qRed(top), qRed(bottom)},
                                                {qGreen(top), qGreen(bottom)},
                                                {qBlue(top), qBlue(bottom)}};
        const int actual[] = {qRed(rowColour), qGreen(rowColour), qBlue(rowColour)};
        for (int c = 0; c < 3; ++c) {
            const auto [a, b] = channels[c];
            const double expected = a + (b - a) * t;
            EXPECT_LE(std::abs(actual[c] - expected), 1.0)
                << "row " << y << " channel " << c << " is " << actual[c] << ", expected about "
                << expected;
            EXPECT_GE(actual[c], std::min(a, b)) << "row " << y;
            EXPECT_LE(actual[c], std::max(a, b)) << "row " << y;
        }
        if (y == from) {
            EXPECT_PIXEL(face, left, y, top);
        }
    }
}

// The corner pixels of the left side as the border is drawn; the right side mirrors them.
struct CornerPixel
{
    int x;
    int rowFromTop;    // used when rowFromBottom is 0
    int rowFromBottom; // 1 = row H - 1
    int border;
};

const CornerPixel kCorners[] = {
    {1, 0, 0, 2},  {2, 0, 0, 3},  {0, 1, 0, 4},  {1, 1, 0, 5},  {2, 1, 0, 6},  {0, 2, 0, 7},
    {1, 2, 0, 8},  {2, 2, 0, 9},  {0, 3, 0, 10}, {1, 3, 0, 11}, {1, 0, 1, 12}, {2, 0, 1, 13},
    {0, 0, 2, 14}, {1, 0, 2, 15}, {2, 0, 2, 16}, {0, 0, 3, 17}, {1, 0, 3, 18}, {2, 0, 3, 19},
};

} // namespace

TEST(FaceColors, MatchTheDrawingsColourTable)
{
    for (int s = 0; s < 5; ++s) {
        const FaceColors &colors = faceColors(ButtonState(s));
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(rgbText(colors.gradient[i]).toStdString(), rgbText(gradientColour(i, s)).toStdString())
                << "g" << i << " of state " << s;
        for (int i = 0; i < 21; ++i)
            EXPECT_EQ(rgbText(colors.border[i]).toStdString(), rgbText(borderColour(i, s)).toStdString())
                << "b" << i << " of state " << s;
    }
}

TEST(ButtonFace, MiddleRowIsHeightDividedByTwoPointTwoRounded)
{
    const std::pair<int, int> cases[] = {{25, 11}, {56, 25}, {30, 14}, {22, 10}, {24, 11}, {12, 5}, {3, 1}};
    for (const auto &[height, middle] : cases)
        EXPECT_EQ(faceMiddle(height), middle) << "height " << height;
}

// A 75 x 25 button: M = 11; rows 2..10 from g0 towards g1, rows 11..22 from g2 towards g3;
// columns 1 and W - 2 carry g4..g5 in rows 3..10 and g6..g7 in rows 11..21 (rows 3 and 22
// hold corner pixels).
TEST(ButtonFace, GradientsOfA75By25Face)
{
    for (const ButtonState state : {ButtonState::Normal, ButtonState::MouseOver, ButtonState::Disabled}) {
        const int s = int(state);
        SCOPED_TRACE(s);
        const QImage face = render(75, 25, plainFace(state));
        expectGradient(face, 3, 71, 2, 10, 2, 11, gradientColour(0, s), gradientColour(1, s));
        expectGradient(face, 3, 71, 11, 22, 11, 23, gradientColour(2, s), gradientColour(3, s));
        for (const int column : {1, 73}) {
            SCOPED_TRACE(column);
            expectGradient(face, column, column, 4, 10, 3, 11, gradientColour(4, s), gradientColour(5, s));
            expectGradient(face, column, column, 11, 21, 11, 22, gradientColour(6, s), gradientColour(7, s));
        }
    }
}

TEST(ButtonFace, BorderAndCornerPixelsInEveryState)
{
    for (const QSize size : {QSize(75, 25), QSize(56, 56), QSize(30, 30), QSize(20, 12)}) {
        const int w = size.width();
        const int h = size.height();
        for (const ButtonState state : kAllStates) {
            const int s = int(state);
            SCOPED_TRACE(QStringLiteral("%1 x %2, state %3").arg(w).arg(h).arg(s).toStdString());
            const QImage face = render(w, h, plainFace(state));

            std::set<std::pair<int, int>> corners;
            for (const CornerPixel &corner : kCorners) {
                const int y = corner.rowFromBottom ? h - corner.rowFromBottom : corner.rowFromTop;
                const QRgb expected = borderColour(corner.border, s);
                EXPECT_PIXEL(face, corner.x, y, expected) << " b" << corner.border;
                EXPECT_PIXEL(face, w - 1 - corner.x, y, expected) << " mirrored b" << corner.border;
                corners.insert({corner.x, y});
                corners.insert({w - 1 - corner.x, y});
            }
            // The rest of the outermost ring, the four cut-off corners included, is b0.
            std::vector<QPoint> ring;
            for (int x = 0; x < w; ++x) {
                ring.emplace_back(x, 0);
                ring.emplace_back(x, h - 1);
            }
            for (int y = 1; y < h - 1; ++y) {
                ring.emplace_back(0, y);
                ring.emplace_back(w - 1, y);
            }
            for (const QPoint p : ring) {
                if (!corners.count({p.x(), p.y()})) {
                    EXPECT_PIXEL(face, p.x(), p.y(), borderColour(0, s));
                }
            }
            for (int x = 3; x <= w - 4; ++x) {
                EXPECT_PIXEL(face, x, 1, borderColour(1, s));
                EXPECT_PIXEL(face, x, h - 2, borderColour(20, s));
            }
        }
    }
}

// Pressed: the top corners and only the bottom left corner are shaded. Rows 1 and H - 2 of
// the shading lie under the inner border lines.
TEST(ButtonFace, PressedShadingTopCornersAndLeftBottomOnly)
{
    const int w = 75;
    const int h = 25;
    const QImage face = render(w, h, plainFace(ButtonState::Pressed));
    const QImage normal = render(w, h, plainFace(ButtonState::MouseOver));
    for (int x = 3; x <= 6; ++x) {
        EXPECT_PIXEL(face, x, 2, qRgb(220, 237, 246));
        EXPECT_PIXEL(face, w - 1 - x, 2, qRgb(220, 237, 246));
        EXPECT_PIXEL(face, x, h - 3, qRgb(109, 181, 220));
        // The bottom right corner keeps the plain lower face.
        EXPECT_EQ(face.pixel(w - 1 - x, h - 3), face.pixel(30, h - 3)) << "x " << w - 1 - x;
    }
    EXPECT_NE(face.pixel(30, h - 3), qRgb(109, 181, 220));
    EXPECT_PIXEL(face, 2, 3, qRgb(220, 237, 245));
    EXPECT_PIXEL(face, w - 3, 3, qRgb(220, 237, 245));
    for (int x = 3; x <= 10; ++x) {
        EXPECT_PIXEL(face, x, 1, borderColour(1, 2));
        EXPECT_PIXEL(face, x, h - 2, borderColour(20, 2));
    }
    // No other state is shaded there.
    EXPECT_NE(normal.pixel(3, h - 3), qRgb(109, 181, 220));
}

TEST(ButtonFace, FocusedGlowOnRowsAndColumns)
{
    const int w = 75;
    const int h = 25;
    const int m = 11;
    const QImage face = render(w, h, plainFace(ButtonState::Focused));
    for (int x = 3; x <= w - 4; ++x) {
        EXPECT_PIXEL(face, x, 2, qRgb(166, 233, 251));
        EXPECT_PIXEL(face, x, h - 3, qRgb(132, 213, 239));
    }
    for (const int column : {2, w - 3}) {
        SCOPED_TRACE(column);
        expectGradient(face, column, column, 3, m - 1, 3, m, qRgb(165, 232, 251), qRgb(161, 230, 249));
        expectGradient(face, column, column, m, h - 4, m, h - 3, qRgb(146, 222, 245), qRgb(133, 213, 240));
    }
    // Without focus the same columns show the face itself.
    const QImage normal = render(w, h, plainFace(ButtonState::Normal));
    for (int y = 3; y < h - 3; ++y) {
        EXPECT_EQ(normal.pixel(2, y), normal.pixel(30, y)) << "row " << y;
        EXPECT_NE(face.pixel(2, y), face.pixel(30, y)) << "row " << y;
    }
}

TEST(ButtonFace, NoBackgroundShowsOnlyTheBackColourInNormalFocusedAndDisabled)
{
    const QRgb back = qRgb(10, 20, 30);
    for (const ButtonState state : kAllStates) {
        SCOPED_TRACE(int(state));
        FaceInput input = plainFace(state);
        input.noBackground = true;
        input.backColor = back;
        const QImage face = render(40, 20, input);
        const bool fullFace = state == ButtonState::MouseOver || state == ButtonState::Pressed;
        int backPixels = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                backPixels += face.pixel(x, y) == (back | 0xff000000u) ? 1 : 0;
        if (fullFace) {
            EXPECT_PIXEL(face, 0, 10, borderColour(0, int(state)));
            EXPECT_EQ(backPixels, 0);
        } else {
            EXPECT_EQ(backPixels, 40 * 20);
        }
    }
}

TEST(ButtonFace, AFaceSmallerThanItsFrameStaysInsideTheImage)
{
    for (const QSize size : {QSize(1, 1), QSize(2, 2), QSize(3, 5), QSize(6, 3)}) {
        const QImage face = render(size.width(), size.height(), plainFace(ButtonState::Pressed));
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                EXPECT_NE(face.pixel(x, y), QColor(Qt::magenta).rgb()) << "unpainted " << x << ", " << y;
    }
}

TEST(ButtonFace, RegionLeavesOutTheFourOutermostCorners)
{
    const QRegion region = buttonRegion(75, 25);
    for (const QPoint p : {QPoint(0, 0), QPoint(74, 0), QPoint(0, 24), QPoint(74, 24)})
        EXPECT_FALSE(region.contains(p)) << p.x() << ", " << p.y();
    for (const QPoint p : {QPoint(1, 0), QPoint(0, 1), QPoint(73, 24), QPoint(74, 23), QPoint(37, 12)})
        EXPECT_TRUE(region.contains(p)) << p.x() << ", " << p.y();
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 75, 25));
}
