// The button's signals and states under the mouse, the space bar, focus and hover polling.
#include "ButtonTestSupport.h"

#include "widgets/VistaButton.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

using namespace widgets;
using namespace buttontest;

namespace {

// A 75 x 25 button with an empty caption and a scripted mouse, nothing under it at first.
class ButtonEvents : public testing::Test
{
protected:
    ButtonEvents()
        : log(button)
    {
        button.resize(75, 25);
        button.setCaption(QString());
        mouse.attach(button);
    }

    void mouseEnters(QPointF at = {10, 10})
    {
        mouse.under = &button;
        move(button, at);
    }

    // Lets the hover timer run until the polling has ended, or a second at most.
    bool waitForPollingToEnd()
    {
        return QTest::qWaitFor([this] { return !button.isHovering(); }, 1000);
    }

    VistaButton button;
    SignalLog log;
    ScriptedMouse mouse;
};

} // namespace

TEST_F(ButtonEvents, ClickWithTheMouse)
{
    mouseEnters({10, 10});
    EXPECT_EQ(button.buttonState(), ButtonState::MouseOver);
    press(button, {12, 11});
    EXPECT_EQ(button.buttonState(), ButtonState::Pressed);
    EXPECT_TRUE(button.isPressed());
    release(button, {12, 11});
    EXPECT_EQ(button.buttonState(), ButtonState::MouseOver);
    EXPECT_EQ(log.entries, QStringList({"MouseMove(0,0,10,10)", "MouseIn", "MouseDown(1,0,12,11)",
                                        "MouseUp(1,0,12,11)", "Click"}));
}

TEST_F(ButtonEvents, MouseButtonsAndShiftStateAreReported)
{
    mouseEnters();
    log.clear();
    press(button, {5, 6}, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(button.buttonState(), ButtonState::Pressed) << "any mouse button presses";
    release(button, {5, 6}, Qt::RightButton, Qt::AltModifier);
    press(button, {5, 6}, Qt::MiddleButton);
    release(button, {5, 6}, Qt::MiddleButton);
    EXPECT_EQ(log.entries, QStringList({"MouseDown(2,3,5,6)", "MouseUp(2,4,5,6)", "MouseDown(4,0,5,6)",
                                        "MouseUp(4,0,5,6)"}))
        << "only the left button clicks";
    log.clear();
    move(button, {7, 8}, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(log.entries, QStringList({"MouseMove(3,0,7,8)", "MouseIn"}));
}

TEST_F(ButtonEvents, MouseInOnEveryMovementAndOneTimerForAllOfThem)
{
    mouseEnters({1, 1});
    move(button, {2, 2});
    move(button, {3, 3});
    EXPECT_EQ(log.count("MouseIn"), 3);
    EXPECT_EQ(log.count("MouseMove"), 3);
    EXPECT_TRUE(button.isHovering());
}

// Leaving ends the polling with one MouseOut, and the face falls back to focused or normal.
TEST_F(ButtonEvents, MouseOutExactlyOnceAfterLeaving)
{
    for (const bool focused : {false, true}) {
        SCOPED_TRACE(focused);
        if (focused)
            focusIn(button);
        log.clear();
        mouseEnters();
        QTest::qWait(30);
        EXPECT_TRUE(button.isHovering()) << "polling goes on while the mouse stays";
        EXPECT_EQ(log.count("MouseOut"), 0);

        mouse.under = nullptr;
        ASSERT_TRUE(waitForPollingToEnd());
        EXPECT_EQ(button.buttonState(), focused ? ButtonState::Focused : ButtonState::Normal);
        QTest::qWait(30);
        EXPECT_EQ(log.count("MouseOut"), 1);
        EXPECT_EQ(log.entries.last(), QStringLiteral("MouseOut"));
    }
}

// Pressing, dragging off and releasing: pressed, then mouse over while outside with the
// button held, then normal (or focused) after the release, and no Click.
TEST_F(ButtonEvents, DraggingOffAndReleasingGivesNoClick)
{
    for (const bool focused : {false, true}) {
        SCOPED_TRACE(focused);
        if (focused)
            focusIn(button);
        mouseEnters();
        log.clear();
        press(button, {10, 10});
        EXPECT_EQ(button.buttonState(), ButtonState::Pressed);
        mouse.under = nullptr;
        move(button, {100, 10}, Qt::LeftButton);
        EXPECT_EQ(button.buttonState(), ButtonState::MouseOver);
        // The polling ends while the button is still held: MouseOut, but the look stays.
        ASSERT_TRUE(waitForPollingToEnd());
        EXPECT_EQ(button.buttonState(), ButtonState::MouseOver);
        release(button, {100, 10});
        EXPECT_EQ(button.buttonState(), focused ? ButtonState::Focused : ButtonState::Normal);
        EXPECT_EQ(log.entries, QStringList({"MouseDown(1,0,10,10)", "MouseMove(1,0,100,10)", "MouseOut",
                                            "MouseUp(1,0,100,10)"}));
    }
}

TEST_F(ButtonEvents, DraggingBackOnShowsPressedAgainAndClicks)
{
    mouseEnters();
    press(button, {10, 10});
    move(button, {-5, 10}, Qt::LeftButton);
    EXPECT_EQ(button.buttonState(), ButtonState::MouseOver);
    move(button, {10, 10}, Qt::LeftButton);
    EXPECT_EQ(button.buttonState(), ButtonState::Pressed);
    release(button, {10, 10});
    EXPECT_EQ(log.count("Click"), 1);
}

TEST_F(ButtonEvents, ReleaseOnACutOffCornerGivesNoClick)
{
    mouseEnters();
    press(button, {10, 10});
    release(button, {0, 0});
    EXPECT_EQ(log.count("MouseUp"), 1);
    EXPECT_EQ(log.count("Click"), 0);
}

TEST_F(ButtonEvents, DoubleClickCountsAsTwoClicks)
{
    mouseEnters();
    press(button, {10, 10});
    release(button, {10, 10});
    sendMouse(button, QEvent::MouseButtonDblClick, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    release(button, {10, 10});
    EXPECT_EQ(log.count("Click"), 2);
}

// Holding the space bar gives the pressed look and MouseDown with button 0; releasing it
// gives MouseUp (X = 0 with the mouse over the button, else -1), Click, KeyUp.
TEST_F(ButtonEvents, SpaceBarPressesAndClicks)
{
    struct Case
    {
        bool mouseOver;
        ButtonState after;
        const char *mouseUp;
    };
    const Case cases[] = {{false, ButtonState::Focused, "MouseUp(0,0,-1,0)"},
                          {true, ButtonState::MouseOver, "MouseUp(0,0,0,0)"}};
    focusIn(button);
    for (const Case &c : cases) {
        if (c.mouseOver)
            mouseEnters();
        log.clear();
        keyDown(button, Qt::Key_Space, QStringLiteral(" "));
        EXPECT_EQ(button.buttonState(), ButtonState::Pressed);
        EXPECT_TRUE(button.isPressed());
        keyUp(button, Qt::Key_Space, QStringLiteral(" "));
        EXPECT_EQ(button.buttonState(), c.after);
        EXPECT_EQ(log.entries, QStringList({"MouseDown(0,0,0,0)", "KeyDown(32,0)", "KeyPress(32)",
                                            c.mouseUp, "Click", "KeyUp(32,0)"}));
    }
}

// The keyboard repeats a held key as press and release pairs; the button is pressed once
// and clicks once.
TEST_F(ButtonEvents, HeldSpaceBarClicksOnce)
{
    keyDown(button, Qt::Key_Space, QStringLiteral(" "));
    for (int i = 0; i < 5; ++i) {
        keyUp(button, Qt::Key_Space, QStringLiteral(" "), true);
        keyDown(button, Qt::Key_Space, QStringLiteral(" "), true);
        EXPECT_EQ(button.buttonState(), ButtonState::Pressed);
    }
    keyUp(button, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(log.count("MouseDown"), 1);
    EXPECT_EQ(log.count("MouseUp"), 1);
    EXPECT_EQ(log.count("Click"), 1);
    EXPECT_EQ(log.count("KeyUp"), 1);
    EXPECT_EQ(log.count("KeyDown"), 6) << "repeated keys are still reported";
}

TEST_F(ButtonEvents, OtherKeysAreOnlyReported)
{
    focusIn(button);
    log.clear();
    const struct
    {
        int key;
        QString text;
        Qt::KeyboardModifiers modifiers;
        QStringList expected;
    } cases[] = {
        {Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier, {"KeyDown(13,0)", "KeyPress(13)", "KeyUp(13,0)"}},
        {Qt::Key_A, QStringLiteral("A"), Qt::ShiftModifier, {"KeyDown(65,1)", "KeyPress(65)", "KeyUp(65,1)"}},
        {Qt::Key_Left, QString(), Qt::NoModifier, {"KeyDown(37,0)", "KeyUp(37,0)"}},
        {Qt::Key_F1, QString(), Qt::ControlModifier, {"KeyDown(112,2)", "KeyUp(112,2)"}},
    };
    for (const auto &c : cases) {
        log.clear();
        keyDown(button, c.key, c.text, false, c.modifiers);
        keyUp(button, c.key, c.text, false, c.modifiers);
        EXPECT_EQ(log.entries, c.expected);
        EXPECT_EQ(button.buttonState(), ButtonState::Focused) << "Enter and other keys do not press";
    }
}

TEST_F(ButtonEvents, FocusInAndOut)
{
    focusIn(button);
    EXPECT_EQ(button.buttonState(), ButtonState::Focused);
    focusOut(button);
    EXPECT_EQ(button.buttonState(), ButtonState::Normal);

    // With the mouse over the button the mouse-over look stays.
    mouseEnters();
    focusIn(button);
    EXPECT_EQ(button.buttonState(), ButtonState::MouseOver);
    focusOut(button);
    EXPECT_EQ(button.buttonState(), ButtonState::MouseOver);
}

TEST_F(ButtonEvents, DisabledButtonRaisesNothing)
{
    mouseEnters();
    log.clear();
    button.setEnabled(false);
    mouse.under = nullptr;
    ASSERT_TRUE(waitForPollingToEnd());
    EXPECT_EQ(log.entries, QStringList({"MouseOut"})) << "the polling still ends with MouseOut";
    log.clear();

    mouse.under = &button;
    move(button, {10, 10});
    press(button, {10, 10});
    release(button, {10, 10});
    keyDown(button, Qt::Key_Space, QStringLiteral(" "));
    keyUp(button, Qt::Key_Space, QStringLiteral(" "));
    focusIn(button);
    focusOut(button);
    QMimeData data;
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(log.entries.isEmpty()) << log.entries.join(' ').toStdString();
    EXPECT_EQ(button.buttonState(), ButtonState::Disabled);
    EXPECT_FALSE(button.isHovering());
}

TEST_F(ButtonEvents, EnablingShowsNormalUntilTheMouseMoves)
{
    mouseEnters();
    button.setEnabled(false);
    button.setEnabled(true);
    EXPECT_EQ(button.buttonState(), ButtonState::Normal);
    move(button, {11, 10});
    EXPECT_EQ(button.buttonState(), ButtonState::MouseOver);
}

TEST_F(ButtonEvents, DisablingWhilePressedLeavesNothingHeld)
{
    mouseEnters();
    press(button, {10, 10});
    button.setEnabled(false);
    EXPECT_FALSE(button.isPressed());
    button.setEnabled(true);
    release(button, {10, 10});
    EXPECT_EQ(log.count("Click"), 0) << "the press before disabling does not count";
}

TEST_F(ButtonEvents, AHandlerThatDisablesTheButtonStopsTheRest)
{
    // The start button disables itself when clicked; no KeyUp may follow.
    QObject::connect(&button, &VistaButton::Click, &button, [this] { button.setEnabled(false); });
    keyDown(button, Qt::Key_Space, QStringLiteral(" "));
    keyUp(button, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(log.entries.last(), QStringLiteral("Click"));
    EXPECT_EQ(button.buttonState(), ButtonState::Disabled);
}

TEST_F(ButtonEvents, DragAndDropIsReportedWhenAccepted)
{
    button.setAcceptDrops(true);
    QMimeData data;
    data.setText(QStringLiteral("A"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &enter);
    QDragMoveEvent over(QPoint(6, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &over);
    QDropEvent drop(QPointF(6, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &drop);
    EXPECT_EQ(log.entries, QStringList({"OLEDragOver(3,0)", "OLEDragOver(1,2)", "OLEDragDrop(1)"}));
}

// Without a scripted mouse the button asks where the cursor really is.
TEST(ButtonHover, RealCursorPositionEndsThePolling)
{
    QWidget window;
    window.resize(200, 100);
    auto *button = new VistaButton(&window);
    button->setGeometry(20, 20, 75, 25);
    SignalLog log(*button);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QCursor::setPos(button->mapToGlobal(QPoint(30, 10)));
    move(*button, {30, 10});
    EXPECT_TRUE(button->isHovering());
    QTest::qWait(30);
    EXPECT_TRUE(button->isHovering()) << "the cursor is still over the button";

    QCursor::setPos(window.mapToGlobal(QPoint(150, 80)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !button->isHovering(); }, 1000));
    EXPECT_EQ(log.count("MouseOut"), 1);
}

// Only the space bar belongs to the button: Escape reaches the dialog, which closes.
TEST(VistaButtonKeys, EscapeOnAFocusedButtonStillClosesItsDialog)
{
    QDialog dialog;
    auto *knop = new VistaButton(&dialog, QStringLiteral("OkKnop"));
    knop->setGeometry(10, 10, 60, 24);
    dialog.show();
    knop->setFocus();
    int afgewezen = 0;
    QObject::connect(&dialog, &QDialog::rejected, [&] { ++afgewezen; });
    int klikken = 0;
    QObject::connect(knop, &VistaButton::Click, [&] { ++klikken; });

    QTest::keyClick(knop, Qt::Key_Escape);
    EXPECT_EQ(afgewezen, 1);
    EXPECT_EQ(klikken, 0);
}
