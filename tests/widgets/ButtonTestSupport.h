#pragma once

// Helpers shared by the VistaButton tests: a log of the button's signals, a scripted mouse
// position, and input events sent straight to the button.

#include "widgets/VistaButton.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>

namespace buttontest {

// Every signal of the button as "Name(arguments)", in the order raised.
class SignalLog
{
public:
    explicit SignalLog(widgets::VistaButton &button)
    {
        using widgets::VistaButton;
        const auto mouse = [this](const char *name) {
            return [this, name](int button, int shift, float x, float y) {
                add(QStringLiteral("%1(%2,%3,%4,%5)").arg(QLatin1String(name)).arg(button)
                        .arg(shift).arg(x).arg(y));
            };
        };
        QObject::connect(&button, &VistaButton::Click, [this] { add(QStringLiteral("Click")); });
        QObject::connect(&button, &VistaButton::MouseIn, [this] { add(QStringLiteral("MouseIn")); });
        QObject::connect(&button, &VistaButton::MouseOut, [this] { add(QStringLiteral("MouseOut")); });
        QObject::connect(&button, &VistaButton::MouseDown, mouse("MouseDown"));
        QObject::connect(&button, &VistaButton::MouseMove, mouse("MouseMove"));
        QObject::connect(&button, &VistaButton::MouseUp, mouse("MouseUp"));
        QObject::connect(&button, &VistaButton::KeyDown, [this](int code, int shift) {
            add(QStringLiteral("KeyDown(%1,%2)").arg(code).arg(shift));
        });
        QObject::connect(&button, &VistaButton::KeyPress, [this](int ascii) {
            add(QStringLiteral("KeyPress(%1)").arg(ascii));
        });
        QObject::connect(&button, &VistaButton::KeyUp, [this](int code, int shift) {
            add(QStringLiteral("KeyUp(%1,%2)").arg(code).arg(shift));
        });
        QObject::connect(&button, &VistaButton::OLEDragOver,
                         [this](const QMimeData *, int effect, int, int, float, float, int state) {
                             add(QStringLiteral("OLEDragOver(%1,%2)").arg(effect).arg(state));
                         });
        QObject::connect(&button, &VistaButton::OLEDragDrop,
                         [this](const QMimeData *, int effect, int, int, float, float) {
                             add(QStringLiteral("OLEDragDrop(%1)").arg(effect));
                         });
    }

    QStringList entries;

    int count(const QString &prefix) const
    {
        int n = 0;
        for (const QString &entry : entries)
            n += entry.startsWith(prefix) ? 1 : 0;
        return n;
    }
    void clear() { entries.clear(); }

private:
    void add(const QString &entry) { entries.append(entry); }
};

// Where the tests say the mouse is: over `under` (the button or nothing).
struct ScriptedMouse
{
    QWidget *under = nullptr;

    void attach(widgets::VistaButton &button)
    {
        button.setWidgetUnderCursor([this] { return under; });
    }
};

inline void sendMouse(QWidget &target, QEvent::Type type, QPointF position, Qt::MouseButton button,
                      Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, position, target.mapToGlobal(position), button, held, modifiers);
    QApplication::sendEvent(&target, &event);
}

inline void press(QWidget &target, QPointF position, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    sendMouse(target, QEvent::MouseButtonPress, position, button, button, modifiers);
}

inline void release(QWidget &target, QPointF position, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    sendMouse(target, QEvent::MouseButtonRelease, position, button, Qt::NoButton, modifiers);
}

inline void move(QWidget &target, QPointF position, Qt::MouseButtons held = Qt::NoButton)
{
    sendMouse(target, QEvent::MouseMove, position, Qt::NoButton, held);
}

inline void keyDown(QWidget &target, int key, const QString &text, bool autoRepeat = false,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(&target, &event);
}

inline void keyUp(QWidget &target, int key, const QString &text, bool autoRepeat = false,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyRelease, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(&target, &event);
}

inline void focusIn(QWidget &target)
{
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&target, &event);
}

inline void focusOut(QWidget &target)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&target, &event);
}

} // namespace buttontest
