// Where the picture and the caption land on the face, which frame of the strip is shown,
// the mask colour, clipping, and the caption colour.
#include "widgets/ButtonFace.h"
#include "widgets/Fonts.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include <initializer_list>
#include <set>

using namespace widgets;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kGreenMask = qRgb(0, 255, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// A strip of solid frames, one colour each.
QImage solidStrip(int frameWidth, int height, std::initializer_list<QRgb> frames)
{
    QImage strip(frameWidth * int(frames.size()), height, QImage::Format_ARGB32_Premultiplied);
    int frame = 0;
    for (const QRgb colour : frames) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < frameWidth; ++x)
                strip.setPixel(frame * frameWidth + x, y, colour);
        ++frame;
    }
    return strip;
}

// Every pixel its own colour, so a copied pixel tells where it came from.
QImage codedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x * 5, y * 5, 100));
    return picture;
}

QFont crispFont()
{
    QFont font = designFont(QStringLiteral("Arial"), 8.25);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A white face without background, so everything not white is picture or caption.
FaceInput whiteFace()
{
    FaceInput input;
    input.noBackground = true;
    input.backColor = kWhite;
    input.font = crispFont();
    input.foreColor = kBlack;
    return input;
}

QImage render(int width, int height, const FaceInput &input)
{
    QImage face(width, height, QImage::Format_RGB32);
    paintFace(face, input);
    return face;
}

// Smallest rectangle around the pixels of `colour` (or, with `notColour`, of any other colour).
QRect areaOf(const QImage &face, QRgb colour, bool notColour = false)
{
    QRect area;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if ((face.pixel(x, y) == (colour | 0xff000000u)) != notColour)
                area |= QRect(x, y, 1, 1);
    return area;
}

std::set<QRgb> coloursIn(const QImage &face)
{
    std::set<QRgb> colours;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            colours.insert(face.pixel(x, y) & 0x00ffffffu);
    return colours;
}

} // namespace

// A 40-pixel strip of two frames (fw = 20) with no caption on a 60-pixel button sits at
// x = 20; pressed with PictureOffset 1 it moves to (21, y + 1).
TEST(ButtonPicture, PlacedInTheMiddleAndMovedWhilePressed)
{
    struct Case
    {
        bool pressed;
        int offset;
        QRect expected;
    };
    const Case cases[] = {
        {false, 0, QRect(20, 7, 20, 16)},
        {false, 1, QRect(20, 7, 20, 16)}, // the offset counts only while pressed
        {true, 0, QRect(20, 7, 20, 16)},
        {true, 1, QRect(21, 8, 20, 16)},
        {true, 2, QRect(22, 9, 20, 16)},
    };
    for (const Case &c : cases) {
        FaceInput input = whiteFace();
        input.picture = solidStrip(20, 16, {kRed, kBlue});
        input.pictures = 2;
        input.pressed = c.pressed;
        input.pictureOffset = c.offset;
        input.state = c.pressed ? ButtonState::Pressed : ButtonState::Normal;
        const QImage face = render(60, 30, input);
        EXPECT_EQ(areaOf(face, kRed), c.expected) << "pressed " << c.pressed << " offset " << c.offset;
        EXPECT_TRUE(areaOf(face, kBlue).isNull());
    }
}

TEST(ButtonPicture, FrameChoiceByPicturesEnabledAndPressed)
{
    struct Case
    {
        int pictures;
        bool enabled;
        bool pressed;
        std::set<QRgb> shown;
    };
    const Case cases[] = {
        {2, true, false, {kRed}},
        {2, true, true, {kRed}},                   // two frames have no pressed picture
        {2, false, false, {kBlue}},                // the disabled frame is the right half
        {1, false, false, {kRed, kBlue}}, // one frame: the same picture as enabled
        {1, true, false, {kRed, kBlue}},
        {0, true, false, {kRed, kBlue}}, // no frames is drawn as one
        {3, true, false, {kRed}},
        {3, true, true, {kYellow}}, // a stored strip of three has a pressed frame
        {3, false, false, {kBlue}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("pictures %1 enabled %2 pressed %3").arg(c.pictures).arg(c.enabled).arg(c.pressed).toStdString());
        FaceInput input = whiteFace();
        input.picture = c.pictures == 3 ? solidStrip(12, 10, {kRed, kBlue, kYellow})
                                        : solidStrip(12, 10, {kRed, kBlue});
        input.pictures = c.pictures;
        input.enabled = c.enabled;
        input.pressed = c.pressed;
        // The frame follows the pressed flag; the normal state keeps the face white.
        input.state = c.enabled ? ButtonState::Normal : ButtonState::Disabled;
        std::set<QRgb> shown = coloursIn(render(60, 30, input));
        shown.erase(kWhite & 0x00ffffffu);
        std::set<QRgb> expected;
        for (const QRgb colour : c.shown)
            expected.insert(colour & 0x00ffffffu);
        EXPECT_EQ(shown, expected);
    }
}

TEST(ButtonPicture, MaskColourIsLeftOutOnlyWhenUsed)
{
    QImage icon = solidStrip(16, 16, {kGreenMask});
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            icon.setPixel(x, y, kRed);
    struct Case
    {
        bool useMask;
        QRgb mask;
        bool greenShown;
        bool redShown;
    };
    const Case cases[] = {
        {true, kGreenMask, false, true},
        {false, kGreenMask, true, true},
        {true, kRed, true, false},
    };
    for (const Case &c : cases) {
        FaceInput input = whiteFace();
        input.picture = icon;
        input.pictures = 1;
        input.useMaskColor = c.useMask;
        input.maskColor = c.mask;
        const QImage face = render(30, 30, input);
        EXPECT_EQ(!areaOf(face, kGreenMask).isNull(), c.greenShown) << "use " << c.useMask;
        EXPECT_EQ(!areaOf(face, kRed).isNull(), c.redShown) << "use " << c.useMask;
        if (c.redShown) {
            EXPECT_EQ(areaOf(face, kRed), QRect(11, 11, 8, 8));
        }
    }
}

TEST(ButtonPicture, SeeThroughPicturesShowTheFaceBehindThem)
{
    QImage icon(10, 10, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int x = 0; x < 10; ++x)
        icon.setPixel(x, 5, qRgba(255, 0, 0, 255));
    FaceInput input = whiteFace();
    input.picture = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    input.pictures = 1;
    const QImage face = render(30, 30, input);
    EXPECT_EQ(areaOf(face, kWhite, true), QRect(10, 15, 10, 1));
}

// A 40 x 40 picture on a 30 x 30 button is cut on all four sides to the inner area
// x 3..26, y 3..26, and the pixels shown are the middle ones of the picture.
TEST(ButtonPicture, ClippedToTheInnerAreaOnEverySide)
{
    FaceInput input = whiteFace();
    input.picture = codedPicture(40, 40);
    input.pictures = 1;
    input.useMaskColor = false;
    const QImage face = render(30, 30, input);
    EXPECT_EQ(areaOf(face, kWhite, true), QRect(3, 3, 24, 24));
    EXPECT_EQ(face.pixel(3, 3), qRgb(8 * 5, 8 * 5, 100));
    EXPECT_EQ(face.pixel(26, 26), qRgb(31 * 5, 31 * 5, 100));
}

// Picture and caption too wide together: the picture is cut on the left and the caption
// follows, left-aligned, 5 pixels after the visible part of the picture.
TEST(ButtonPicture, CutOnTheLeftWhenTheCaptionNeedsTheRoom)
{
    FaceInput input = whiteFace();
    input.picture = codedPicture(30, 16);
    input.pictures = 1;
    input.useMaskColor = false;
    input.caption = QStringLiteral("Opslaan");
    const int w = 40;
    const int h = 30;
    // The caption's width as the face measures it: wrapped and centred in the whole face.
    const int textWidth = QFontMetrics(input.font)
                              .boundingRect(QRect(0, 0, w, h), Qt::TextWordWrap | Qt::AlignHCenter,
                                            input.caption)
                              .width();
    ASSERT_GT(textWidth, 10) << "the font must give the caption some width";
    const QImage face = render(w, h, input);

    // x = (W - tw - fw - 5) / 2 lies left of 3, so 3 - x picture columns are cut off,
    // rounded with halves to the even side.
    const double cut = 3 - (w - textWidth - 30 - 5) / 2.0;
    ASSERT_GT(cut, 0);
    int firstShown = int(std::floor(cut));
    if (cut - firstShown > 0.5 || (cut - firstShown == 0.5 && firstShown % 2 != 0))
        ++firstShown;
    std::set<int> pictureColumns;
    for (int column = 0; column < w; ++column)
        if (qBlue(face.pixel(column, 15)) == 100)
            pictureColumns.insert(column);
    ASSERT_FALSE(pictureColumns.empty());
    EXPECT_EQ(*pictureColumns.begin(), 3);
    EXPECT_EQ(qRed(face.pixel(3, 15)), 5 * firstShown) << "first picture column shown";
    const int pictureRight = *pictureColumns.rbegin();

    // The caption's ink: black pixels right of the picture.
    int inkLeft = w;
    for (int yy = 0; yy < face.height(); ++yy)
        for (int xx = pictureRight + 1; xx < w; ++xx)
            if (face.pixel(xx, yy) == (kBlack | 0xff000000u))
                inkLeft = std::min(inkLeft, xx);
    EXPECT_GE(inkLeft, pictureRight + 5);
    EXPECT_LE(inkLeft, pictureRight + 7);
}

// A picture that fits leaves picture plus caption centred as a group, the caption starting
// 5 pixels after the picture.
TEST(ButtonPicture, PictureAndCaptionCentredTogether)
{
    FaceInput input = whiteFace();
    input.picture = solidStrip(16, 16, {kRed, kBlue});
    input.pictures = 2;
    input.caption = QStringLiteral("Ok");
    const int w = 100;
    const QImage face = render(w, 30, input);
    const QRect picture = areaOf(face, kRed);
    const QRect ink = areaOf(face, kBlack);
    ASSERT_FALSE(picture.isNull());
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left() - picture.right() - 1, 5);
    EXPECT_LE(ink.left() - picture.right() - 1, 7);
    const int leftGap = picture.left();
    const int rightGap = w - 1 - ink.right();
    EXPECT_LE(std::abs(leftGap - rightGap), 3) << leftGap << " left, " << rightGap << " right";
}

TEST(ButtonCaption, ColourIsForeColorWhileEnabledAndGreyWhenDisabled)
{
    for (const bool enabled : {true, false}) {
        FaceInput input;
        input.state = enabled ? ButtonState::Normal : ButtonState::Disabled;
        input.enabled = enabled;
        input.font = crispFont();
        input.foreColor = qRgb(200, 0, 0);
        const QImage bare = render(75, 25, input);
        input.caption = QStringLiteral("HHH");
        const QImage withCaption = render(75, 25, input);
        std::set<QRgb> inkColours;
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 75; ++x)
                if (withCaption.pixel(x, y) != bare.pixel(x, y))
                    inkColours.insert(withCaption.pixel(x, y) & 0x00ffffffu);
        const QRgb expected = enabled ? qRgb(200, 0, 0) : qRgb(131, 131, 131);
        EXPECT_EQ(inkColours, std::set<QRgb>{expected & 0x00ffffffu}) << "enabled " << enabled;
    }
}

TEST(ButtonCaption, CentredWithoutPicture)
{
    FaceInput input = whiteFace();
    input.caption = QStringLiteral("Annuleren");
    const QImage face = render(75, 25, input);
    const QRect ink = areaOf(face, kWhite, true);
    ASSERT_FALSE(ink.isNull());
    EXPECT_LE(std::abs(ink.left() - (74 - ink.right())), 2);
    EXPECT_LE(std::abs(ink.top() - (24 - ink.bottom())), 3);
}

// A caption wider than the button wraps at the spaces and the lines stay vertically
// centred as a block.
TEST(ButtonCaption, WrappedCaptionStaysVerticallyCentred)
{
    FaceInput input = whiteFace();
    const QFontMetrics metrics(input.font);
    for (const int h : {50, 51, 64}) {
        input.caption = QStringLiteral("een twee drie vier");
        const QImage face = render(45, h, input);
        const QRect ink = areaOf(face, kWhite, true);
        ASSERT_FALSE(ink.isNull());
        EXPECT_GT(ink.height(), metrics.height()) << "the caption must wrap";
        EXPECT_GE(ink.left(), 3);
        EXPECT_LE(ink.right(), 45 - 4);
        // Ink sits a little low in its line box (descenders, leading), hence the slack.
        EXPECT_LE(std::abs(ink.top() - (h - 1 - ink.bottom())), 4)
            << "height " << h << ": ink rows " << ink.top() << ".." << ink.bottom();
    }
}
