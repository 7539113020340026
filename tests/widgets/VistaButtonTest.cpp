// Properties of the button: defaults of a new button, what each write does, the shape.
#include "ExpectedColours.h"

#include "widgets/VistaButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include <functional>
#include <utility>
#include <vector>

using namespace widgets;
using buttontest::borderColour;

TEST(VistaButton, NewButtonDefaults)
{
    VistaButton button(nullptr, QStringLiteral("OkKnop"));
    EXPECT_EQ(button.objectName(), QStringLiteral("OkKnop"));
    EXPECT_EQ(button.caption(), QStringLiteral("OkKnop"));
    EXPECT_EQ(button.foreColor(), QColor(Qt::black));
    EXPECT_EQ(button.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(button.font().pixelSize(), 11); // 8.25 pt at 96 dpi
    EXPECT_TRUE(button.picture().isNull());
    EXPECT_EQ(button.pictures(), 2);
    EXPECT_TRUE(button.useMaskColor());
    EXPECT_EQ(button.maskColor(), QColor(0, 255, 0));
    EXPECT_TRUE(button.isEnabled());
    EXPECT_FALSE(button.noBackground());
    EXPECT_EQ(button.pictureOffset(), 0);
    EXPECT_EQ(button.buttonState(), ButtonState::Normal);
    EXPECT_FALSE(button.isPressed());
    EXPECT_FALSE(button.isHovering()) << "an idle button runs no timer";
    EXPECT_TRUE(button.focusPolicy() & Qt::TabFocus);
}

TEST(VistaButton, PicturesWriteIsClamped)
{
    const std::pair<int, int> cases[] = {{-5, 1}, {-1, 1}, {0, 0}, {1, 1}, {2, 2}, {3, 2}, {7, 2}, {40000, 2}};
    VistaButton button;
    for (const auto &[written, stored] : cases) {
        button.setPictures(written);
        EXPECT_EQ(button.pictures(), stored) << "written " << written;
    }
}

// Every property write repaints the face at once, except PictureOffset, which shows at the
// next repaint.
TEST(VistaButton, PropertyWritesRepaintAtOnce)
{
    VistaButton button;
    button.resize(75, 25);
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(Qt::red);

    const std::vector<std::pair<const char *, std::function<void()>>> writes = {
        {"Caption", [&] { button.setCaption(QStringLiteral("Start")); }},
        {"ForeColor", [&] { button.setForeColor(Qt::blue); }},
        {"Font", [&] { button.setFont(QFont(QStringLiteral("Arial"), 14)); }},
        {"Picture", [&] { button.setPicture(strip); }},
        {"Pictures", [&] { button.setPictures(1); }},
        {"MaskColor", [&] { button.setMaskColor(Qt::red); }},
        {"UseMaskColor", [&] { button.setUseMaskColor(false); }},
        // The full face covers the background colour; without background it shows.
        {"NoBackground", [&] { button.setNoBackground(true); }},
        {"BackColor", [&] { button.setBackColor(QColor(1, 2, 3)); }},
        {"Enabled", [&] { button.setEnabled(false); }},
    };
    for (const auto &[name, write] : writes) {
        const QImage before = button.face().copy();
        write();
        EXPECT_FALSE(button.face() == before) << name << " did not repaint";
    }

    button.setEnabled(true);
    button.setNoBackground(false);
    const QImage before = button.face().copy();
    button.setPictureOffset(3);
    EXPECT_TRUE(button.face() == before);
    EXPECT_EQ(button.pictureOffset(), 3);
}

TEST(VistaButton, FaceFollowsTheSizeAndShapeLeavesOutTheCorners)
{
    QWidget window;
    auto *button = new VistaButton(&window);
    button->setGeometry(10, 10, 75, 25);
    button->show(); // shown with the window; the window itself stays hidden
    EXPECT_EQ(button->face().size(), QSize(75, 25));
    EXPECT_FALSE(button->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(button->mask().contains(QPoint(74, 24)));
    EXPECT_TRUE(button->mask().contains(QPoint(1, 0)));
    // The mouse on a cut-off corner is over the window, not over the button.
    EXPECT_EQ(window.childAt(10, 10), nullptr);
    EXPECT_EQ(window.childAt(84, 34), nullptr);
    EXPECT_EQ(window.childAt(11, 10), button);

    button->resize(56, 56);
    EXPECT_EQ(button->face().size(), QSize(56, 56));
    EXPECT_FALSE(button->mask().contains(QPoint(55, 55)));
    EXPECT_TRUE(button->mask().contains(QPoint(54, 55)));
    EXPECT_EQ(button->face().pixel(0, 30), borderColour(0, 0));
}

TEST(VistaButton, DisablingShowsTheDisabledFaceAndEnablingTheNormalOne)
{
    VistaButton button;
    button.resize(75, 25);
    button.setEnabled(false);
    EXPECT_EQ(button.buttonState(), ButtonState::Disabled);
    EXPECT_EQ(button.face().pixel(0, 10), borderColour(0, 4));
    button.setEnabled(true);
    EXPECT_EQ(button.buttonState(), ButtonState::Normal);
    EXPECT_EQ(button.face().pixel(0, 10), borderColour(0, 0));
}

TEST(VistaButton, DisabledWindowDisablesTheButtonButNotItsOwnSetting)
{
    QWidget window;
    auto *button = new VistaButton(&window);
    window.setEnabled(false);
    EXPECT_EQ(button->buttonState(), ButtonState::Disabled);
    window.setEnabled(true);
    EXPECT_EQ(button->buttonState(), ButtonState::Normal);
}

// The tab stop is the TabFocus part of the focus policy.
TEST(VistaButton, DisablingTakesTheButtonOutOfTheTabOrderAndEnablingPutsItBack)
{
    VistaButton button;
    ASSERT_EQ(button.focusPolicy(), Qt::StrongFocus);
    button.setEnabled(false);
    EXPECT_FALSE(button.focusPolicy() & Qt::TabFocus);
    button.setEnabled(true);
    EXPECT_EQ(button.focusPolicy(), Qt::StrongFocus);

    // A button that was never a tab stop does not become one.
    VistaButton clickOnly;
    clickOnly.setFocusPolicy(Qt::ClickFocus);
    clickOnly.setEnabled(false);
    clickOnly.setEnabled(true);
    EXPECT_EQ(clickOnly.focusPolicy(), Qt::ClickFocus);
}

// Once given back, the tab stop is the container's again: a later choice to leave the
// button out of the tab order survives disabling and enabling.
TEST(VistaButton, TabStopGivenBackIsNotTakenAgainLater)
{
    VistaButton button;
    button.setEnabled(false);
    button.setEnabled(true);
    button.setFocusPolicy(Qt::ClickFocus);
    button.setEnabled(false);
    button.setEnabled(true);
    EXPECT_EQ(button.focusPolicy(), Qt::ClickFocus);
}

namespace {

QRect areaOfColour(const QImage &face, QRgb colour)
{
    QRect area;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if ((face.pixel(x, y) & 0x00ffffffu) == (colour & 0x00ffffffu))
                area |= QRect(x, y, 1, 1);
    return area;
}

} // namespace

// A 40-pixel strip of two frames on a 60-pixel button sits at x = 20; pressing with
// PictureOffset 1 moves it to (21, y + 1). A new offset shows only at the next repaint.
TEST(VistaButton, PressedPictureMovesByThePictureOffset)
{
    VistaButton button;
    button.resize(60, 30);
    button.setCaption(QString());
    QImage strip(40, 16, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 0));
    button.setPicture(strip);
    button.setPictures(2);
    button.setPictureOffset(1);
    EXPECT_EQ(areaOfColour(button.face(), qRgb(255, 0, 0)), QRect(20, 7, 20, 16));

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(30, 15), QPointF(30, 15), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &press);
    EXPECT_EQ(areaOfColour(button.face(), qRgb(255, 0, 0)), QRect(21, 8, 20, 16));

    button.setPictureOffset(3);
    EXPECT_EQ(areaOfColour(button.face(), qRgb(255, 0, 0)), QRect(21, 8, 20, 16));
    button.setCaption(QString()); // any repaint shows the new offset
    EXPECT_EQ(areaOfColour(button.face(), qRgb(255, 0, 0)), QRect(23, 10, 20, 16));
}

// Pictures of any pixel format are taken; a palette picture draws its colours too.
TEST(VistaButton, PicturesOfOtherFormatsAreConverted)
{
    const QImage::Format formats[] = {QImage::Format_Indexed8, QImage::Format_RGB16, QImage::Format_Mono,
                                      QImage::Format_ARGB32, QImage::Format_RGB888};
    for (const QImage::Format format : formats) {
        QImage source(20, 10, QImage::Format_RGB32);
        source.fill(QColor(0, 0, 0));
        VistaButton button;
        button.resize(40, 30);
        button.setCaption(QString());
        button.setPictures(1);
        button.setPicture(source.convertToFormat(format));
        EXPECT_EQ(areaOfColour(button.face(), qRgb(0, 0, 0)), QRect(10, 10, 20, 10)) << "format " << format;
    }
}

TEST(VistaButton, EmptyPictureDrawsNothing)
{
    VistaButton button;
    button.resize(40, 30);
    button.setCaption(QString());
    const QImage bare = button.face().copy();
    button.setPicture(QImage(0, 5, QImage::Format_RGB32));
    EXPECT_TRUE(button.face() == bare);
}
