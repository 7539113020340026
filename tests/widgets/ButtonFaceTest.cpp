// Pixel rules of the button face: where each colour of a state lands, the gradients, the pressed
// and focused shading, colours the look fixes, and where the picture and the caption go.
#include "widgets/ButtonFace.h"

#include "widgets/FaceColors.h"
#include "widgets/Fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#pragma GCC diagnostic ignored "-Wmissing-field-initializers" // GCC 12 on designated initialisers

using namespace widgets;

namespace {

const QRgb kWhite = qRgb(255, 255, 255), kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);
const QRgb kGreen = qRgb(0, 255, 0), kYellow = qRgb(255, 255, 0), kMagenta = qRgb(255, 0, 255);
const auto kPressed = ButtonState::Pressed, kFocused = ButtonState::Focused, kDisabled = ButtonState::Disabled;

// The face of `input`, enabled unless disabled, with a caption font that draws only its colour.
QImage render(int w, int h, FaceInput input)
{
    input.enabled = input.state != kDisabled;
    input.font = designFont("Arial", 8.25);
    input.font.setStyleStrategy(QFont::NoAntialias);
    QImage face(w, h, QImage::Format_RGB32);
    face.fill(kMagenta);
    paintFace(face, input);
    return face;
}

// Smallest rectangle around the pixels of `colour`, or with `other` of any other colour.
QRect areaOf(const QImage &face, QRgb colour, bool other = false)
{
    QRect area;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            area |= (face.pixel(x, y) == colour) != other ? QRect(x, y, 1, 1) : QRect();
    return area;
}

// A strip of solid frames side by side, one colour each.
QImage strip(QList<QRgb> frames, int fw = 12, int h = 10)
{
    QImage image(fw * int(frames.size()), h, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < frames.size(); ++i)
        QPainter(&image).fillRect(i * fw, 0, fw, h, QColor(frames[i]));
    return image;
}

} // namespace

// Each band of the glass is even along its rows, starts with its first colour on its first row
// (where no corner pixel or glow covers it) and darkens downwards, lit from above, no channel ever
// getting lighter or passing the band's last colour. The corner blocks reach columns 2 and W - 3;
// the glow and the pressed shading cover rows 2, H - 3 and the row ends.
TEST(ButtonFace, GradientBandsStartOnTheirRowAndDarkenDownwards)
{
    const auto atMost = [](QRgb a, QRgb b) { // each channel of a at most that of b
        return qRed(a) <= qRed(b) && qGreen(a) <= qGreen(b) && qBlue(a) <= qBlue(b);
    };
    for (const QSize size : {QSize(75, 25), QSize(40, 56)}) {
        const int w = size.width(), h = size.height(), m = faceMiddle(h);
        for (int s = 0; s < 5; ++s) {
            const QImage face = render(w, h, {.state = ButtonState(s)});
            const auto &g = faceColors(ButtonState(s)).gradient;
            const int in = s == int(kFocused) || s == int(kPressed) ? 11 : 3, glow = s == int(kFocused);
            const struct {
                int left, right, first, last;
                QRgb from, to;
            } bands[] = {{in, w - 1 - in, 2 + glow, m - 1, g[0], g[1]},
                         {in, w - 1 - in, m, h - 3 - glow, g[2], g[3]},
                         {1, 1, 4, m - 1, g[4], g[5]},
                         {w - 2, w - 2, 4, m - 1, g[4], g[5]},
                         {1, 1, m, h - 4, g[6], g[7]},
                         {w - 2, w - 2, m, h - 4, g[6], g[7]}};
            for (const auto &b : bands) {
                int wrong = b.first == 2 || b.first == m ? face.pixel(b.left, b.first) != b.from : 0;
                for (int y = b.first; y <= b.last; ++y) {
                    const QRgb c = face.pixel(b.left, y);
                    wrong += areaOf(face.copy(b.left, y, b.right - b.left + 1, 1), c, true).isValid();
                    wrong += !atMost(c, y == b.first ? b.from : face.pixel(b.left, y - 1)) || !atMost(b.to, c);
                }
                EXPECT_EQ(wrong, 0) << w << "x" << h << " state " << s << " band " << b.left << "," << b.first;
            }
        }
    }
}

// The outer ring is b0 but for the corner pixels, which run b2..b11 in reading order through the
// 3 x 4 block of each top corner and b12..b19 upwards through the 3 x 3 block of each bottom
// corner; rows 1 and H - 2 carry b1 and b20. Both sides alike; -1 for the rest of the face.
int borderIndex(int x, int y, int w, int h)
{
    const int side = std::min(x, w - 1 - x), top = y, bottom = h - 1 - y;
    if (side < 3 && top < 4 && (side || top) && !(side == 2 && top == 3))
        return 1 + top * 3 + side;
    if (side < 3 && bottom < 3 && (side || bottom))
        return 11 + bottom * 3 + side;
    return side == 0 || top == 0 || bottom == 0 ? 0 : top == 1 ? 1 : bottom == 1 ? 20 : -1;
}

// Faces too small for their frame are painted all the same; the window shape loses the four corners.
TEST(ButtonFace, BorderRingInnerLinesAndCornerPixelsInEveryState)
{
    EXPECT_EQ(buttonRegion(75, 25), QRegion(1, 0, 73, 25) + QRegion(0, 1, 75, 23));
    for (const QSize size : {QSize(75, 25), QSize(30, 30), QSize(20, 12)})
        for (int s = 0, w = size.width(), h = size.height(); s < 5; ++s) {
            for (const int tiny : {1, 3, 6})
                EXPECT_FALSE(areaOf(render(tiny, 7 - tiny, {.state = ButtonState(s)}), kMagenta).isValid());
            const QImage face = render(w, h, {.state = ButtonState(s)});
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (const int i = borderIndex(x, y, w, h); i >= 0) {
                        EXPECT_EQ(face.pixel(x, y), faceColors(ButtonState(s)).border[i])
                            << w << " x " << h << " state " << s << " at " << x << ", " << y << ": b" << i;
                    }
        }
}

// Colours the look itself fixes, so that a colour a shade off shows up.
TEST(ButtonFace, AnchorColoursOfTheLook)
{
    const struct {
        ButtonState state;
        int x, y;
        QRgb colour;
        const char *why;
    } anchors[] = {{ButtonState::Normal, 0, 12, qRgb(112, 112, 112), "at rest the outline is mid grey"},
                   {ButtonState::MouseOver, 0, 12, qRgb(60, 127, 177), "hovering outlines the button in blue"},
                   {ButtonState::MouseOver, 37, 2, qRgb(234, 246, 253), "the hovered glass starts pale sky blue"},
                   {ButtonState::MouseOver, 37, 11, qRgb(190, 230, 253), "and is a deeper blue in its lower half"},
                   {kPressed, 3, 2, qRgb(220, 237, 246), "pressed, the top corners are shaded grey-blue"},
                   {kFocused, 37, 2, qRgb(166, 233, 251), "the focus glow is light cyan"},
                   {kDisabled, 37, 22, qRgb(244, 244, 244), "the disabled glass is flat light grey"}};
    for (const auto &a : anchors)
        EXPECT_EQ(render(75, 25, {.state = a.state}).pixel(a.x, a.y), a.colour) << a.why;
}

// Pressed: the two top corners and only the bottom left one are shaded (their rows 1 and H - 2
// lie under the inner border lines); focused: an even glow just inside the border.
TEST(ButtonFace, PressedShadingOnTheTopCornersAndBottomLeftAndFocusGlowAllRound)
{
    const QImage pressed = render(75, 25, {.state = kPressed}), focused = render(75, 25, {.state = kFocused});
    for (int x = 3; x <= 71; ++x) {
        EXPECT_EQ(pressed.pixel(x, 2) != pressed.pixel(37, 2), x <= 6 || x >= 68) << "row 2, x " << x;
        EXPECT_EQ(pressed.pixel(x, 22) != pressed.pixel(37, 22), x <= 6) << "row 22, x " << x;
        EXPECT_TRUE(focused.pixel(x, 2) == focused.pixel(3, 2) && focused.pixel(x, 22) == focused.pixel(3, 22));
    }
    EXPECT_TRUE(pressed.pixel(2, 3) != pressed.pixel(37, 3) && pressed.pixel(2, 3) == pressed.pixel(72, 3));
    for (int y = 3; y <= 21; ++y)
        EXPECT_TRUE(focused.pixel(2, y) != focused.pixel(37, y) && focused.pixel(2, y) == focused.pixel(72, y));
}

// Without background only the mouse-over and pressed looks show the face (which has no pure white).
// On a 30 x 30 button a frame of 12 x 10 sits at ((30 - 12) / 2, (30 - 10) / 2); `big` is 40 x 40,
// red on its left half and blue on its right.
TEST(ButtonPicture, FramePlaceMaskAndClippingOnAWhiteFace)
{
    const QImage two = strip({kRed, kBlue}), three = strip({kRed, kBlue, kYellow}), big = two.scaled(40, 40);
    QImage icon = strip({kGreen}, 16, 16), halfRed(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter(&icon).fillRect(4, 4, 8, 8, kRed);
    halfRed.fill(Qt::transparent);
    QPainter(&halfRed).fillRect(0, 5, 10, 1, QColor(255, 0, 0, 128));
    const struct {
        FaceInput input;
        QRgb colour;
        QRect where;
        const char *why;
    } cases[] = {
        {{.state = kFocused}, kWhite, {0, 0, 30, 30}, "without background, focused shows the back colour"},
        {{.state = ButtonState::MouseOver}, kWhite, {}, "but the hovered face shows"},
        {{.picture = two, .pictureOffset = 2}, kRed, {9, 10, 12, 10}, "frame 0; the offset only when pressed"},
        {{.pressed = true, .picture = two, .pictureOffset = 2}, kRed, {11, 12, 12, 10}, "moved while pressed"},
        {{.state = kDisabled, .picture = two}, kBlue, {9, 10, 12, 10}, "frame 1 when disabled"},
        {{.state = kDisabled, .picture = two, .pictures = 1}, kRed, {3, 10, 12, 10}, "1 frame: all shown"},
        {{.pressed = true, .picture = three, .pictures = 3}, kYellow, {9, 10, 12, 10}, "3: the pressed one"},
        {{.picture = icon, .pictures = 1}, kGreen, {}, "the mask colour is left out"},
        {{.picture = icon, .pictures = 1}, kRed, {11, 11, 8, 8}, "the rest is drawn"},
        {{.picture = icon, .pictures = 1, .useMaskColor = false}, kGreen, {7, 7, 16, 16}, "unless it is off"},
        {{.picture = big, .pictures = 1}, kRed, {3, 3, 12, 24}, "cut to the inner area"},
        {{.picture = big, .pictures = 1}, kBlue, {15, 3, 12, 24}, "keeping the middle"},
        {{.picture = halfRed, .pictures = 1}, qRgb(255, 127, 127), {10, 15, 10, 1}, "half red on white: pink"}};
    for (const auto &c : cases) {
        FaceInput input = c.input;
        input.noBackground = true;
        EXPECT_EQ(areaOf(render(30, 30, input), c.colour), c.where) << c.why;
    }
}

// The caption is centred both ways, also when it wraps at its spaces, and with a picture the two
// are centred as a group; its colour is ForeColor or, disabled, the mid grey of disabled text.
TEST(ButtonCaption, CentredInForeColorOrGreyWhenDisabled)
{
    const QString wraps = "een twee drie vier";
    const struct {
        int w, h;
        QString caption;
        ButtonState state;
        QImage picture;
    } cases[] = {{75, 25, "Annuleren", ButtonState::Normal, {}},
                 {45, 50, wraps, kDisabled, {}},
                 {45, 51, wraps, kFocused, {}},
                 {45, 64, wraps, ButtonState::Normal, {}},
                 {100, 30, "Opslaan", ButtonState::Normal, strip({0xffc80000}, 16, 8)}};
    for (const auto &c : cases) {
        const QImage face = render(c.w, c.h,
                                   {.state = c.state,
                                    .noBackground = true,
                                    .caption = c.caption,
                                    .foreColor = 0xffc80000,
                                    .picture = c.picture,
                                    .pictures = 1});
        const QRect ink = areaOf(face, kWhite, true);
        EXPECT_EQ(areaOf(face, c.state == kDisabled ? qRgb(131, 131, 131) : 0xffc80000), ink) << "one colour";
        EXPECT_EQ(ink.height() > QFontMetrics(designFont("Arial", 8.25)).height(), c.w == 45) << "wraps";
        EXPECT_LE(std::abs(ink.left() - (c.w - 1 - ink.right())), c.picture.isNull() ? 2 : 3) << c.w;
        // Ink sits a little low in its line box (descenders, leading), hence the slack.
        EXPECT_LE(std::abs(ink.top() - (c.h - 1 - ink.bottom())), 4) << c.w << " x " << c.h;
    }
}
