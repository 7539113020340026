// How a VistaButton answers the mouse, the keyboard, focus, hover polling and dragging.
#include "widgets/KeyCodes.h"
#include "widgets/VistaButton.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimerEvent>

namespace widgets {

namespace {

constexpr int kHoverIntervalMs = 10;

// States of OLEDragOver.
constexpr int kDragEnter = 0;
constexpr int kDragLeave = 1;
constexpr int kDragOver = 2;

} // namespace

bool VistaButton::isInside(float x, float y) const { return x >= 0 && x < width() && y >= 0 && y < height(); }

bool VistaButton::isMouseOver() const { return m_widgetUnderCursor && m_widgetUnderCursor() == this; }

void VistaButton::startHover()
{
    if (!m_hover.isActive())
        m_hover.start(kHoverIntervalMs, Qt::PreciseTimer, this);
}

void VistaButton::endHover()
{
    if (!m_hover.isActive())
        return;
    m_hover.stop();
    if (isEnabled() && !m_pressed)
        setState(m_hasFocus ? ButtonState::Focused : ButtonState::Normal);
    emit MouseOut();
}

void VistaButton::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_hover.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (!isMouseOver())
        endHover();
}

bool VistaButton::mouseDown(int button, int shift, float x, float y)
{
    const QPointer<VistaButton> self(this);
    emit MouseDown(button, shift, x, y);
    if (!self || !isEnabled())
        return false;
    m_pressed = true;
    setState(ButtonState::Pressed);
    return true;
}

bool VistaButton::mouseUp(int button, int shift, float x, float y)
{
    const QPointer<VistaButton> self(this);
    emit MouseUp(button, shift, x, y);
    if (!self || !isEnabled())
        return false;
    m_pressed = false;
    if (isInside(x, y)) {
        setState(ButtonState::MouseOver);
        // The mouse-over look must end when the mouse goes, even if it came in while the
        // button was disabled and no polling runs yet.
        startHover();
    } else {
        setState(m_hasFocus ? ButtonState::Focused : ButtonState::Normal);
    }
    return true;
}

void VistaButton::mousePressEvent(QMouseEvent *event)
{
    if (!isEnabled())
        return;
    if (event->button() == Qt::LeftButton)
        m_clickPending = true;
    const QPointF position = event->position();
    mouseDown(mouseButtonCode(event->button()), shiftStateOf(event->modifiers()), float(position.x()),
              float(position.y()));
}

void VistaButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!isEnabled())
        return;
    const QPointer<VistaButton> self(this);
    const auto x = float(event->position().x());
    const auto y = float(event->position().y());
    emit MouseMove(mouseButtonCode(event->buttons()), shiftStateOf(event->modifiers()), x, y);
    if (!self || !isEnabled())
        return;
    // Outside the button moves arrive only while a press on it is held.
    if (!isInside(x, y)) {
        setState(ButtonState::MouseOver);
        return;
    }
    emit MouseIn();
    if (!self || !isEnabled())
        return;
    if (setState(m_pressed ? ButtonState::Pressed : ButtonState::MouseOver))
        startHover();
}

void VistaButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isEnabled())
        return;
    const QPointF position = event->position();
    // A click is a left press and release on the button, its cut-off corners excluded.
    bool click = false;
    if (event->button() == Qt::LeftButton) {
        const QPoint point = position.toPoint();
        click = m_clickPending && rect().contains(point) && (mask().isEmpty() || mask().contains(point));
        m_clickPending = false;
    }
    if (!mouseUp(mouseButtonCode(event->button()), shiftStateOf(event->modifiers()), float(position.x()),
                 float(position.y())))
        return;
    if (click)
        emit Click();
}

void VistaButton::keyPressEvent(QKeyEvent *event)
{
    if (!isEnabled())
        return;
    const QPointer<VistaButton> self(this);
    // The space bar presses the button; while it is held the keyboard repeats the key, but
    // the button stays pressed just once.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        if (!mouseDown(0, 0, 0, 0))
            return;
    }
    emit KeyDown(keyCodeOf(*event), shiftStateOf(event->modifiers()));
    if (!self || !isEnabled())
        return;
    if (const int ascii = keyAsciiOf(*event))
        emit KeyPress(ascii);
    // Only the space bar belongs to the button; Escape and the other keys go on to the
    // window, so a dialog still closes with Escape while one of its buttons has the focus.
    if (self && event->key() != Qt::Key_Space)
        event->ignore();
}

void VistaButton::keyReleaseEvent(QKeyEvent *event)
{
    // A held key gives no releases until it is really let go.
    if (!isEnabled() || event->isAutoRepeat())
        return;
    const QPointer<VistaButton> self(this);
    if (event->key() == Qt::Key_Space) {
        // X = -1 stands for "not over the button", so the state falls back to focused or normal.
        if (!mouseUp(0, 0, isMouseOver() ? 0 : -1, 0))
            return;
        emit Click();
        if (!self || !isEnabled())
            return;
    }
    emit KeyUp(keyCodeOf(*event), shiftStateOf(event->modifiers()));
}

void VistaButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_hasFocus = true;
    if (isEnabled() && !isMouseOver() && !m_pressed)
        setState(ButtonState::Focused);
}

void VistaButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_hasFocus = false;
    if (isEnabled() && !isMouseOver())
        setState(ButtonState::Normal);
}

void VistaButton::dragEnterEvent(QDragEnterEvent *event)
{
    if (!isEnabled())
        return;
    const QPointF position = event->position();
    emit OLEDragOver(event->mimeData(), int(event->possibleActions()), mouseButtonCode(event->buttons()),
                     shiftStateOf(event->modifiers()), float(position.x()), float(position.y()), kDragEnter);
    event->acceptProposedAction();
}

void VistaButton::dragMoveEvent(QDragMoveEvent *event)
{
    if (!isEnabled())
        return;
    const QPointF position = event->position();
    emit OLEDragOver(event->mimeData(), int(event->possibleActions()), mouseButtonCode(event->buttons()),
                     shiftStateOf(event->modifiers()), float(position.x()), float(position.y()), kDragOver);
    event->acceptProposedAction();
}

void VistaButton::dragLeaveEvent(QDragLeaveEvent *)
{
    if (isEnabled())
        emit OLEDragOver(nullptr, 0, 0, 0, 0, 0, kDragLeave);
}

void VistaButton::dropEvent(QDropEvent *event)
{
    if (!isEnabled())
        return;
    const QPointF position = event->position();
    emit OLEDragDrop(event->mimeData(), int(event->dropAction()), mouseButtonCode(event->buttons()),
                     shiftStateOf(event->modifiers()), float(position.x()), float(position.y()));
    event->acceptProposedAction();
}

} // namespace widgets
