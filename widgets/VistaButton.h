#pragma once

#include "widgets/ButtonState.h"

#include <QBasicTimer>
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QMimeData;

namespace widgets {

struct FaceInput;

class PropertyBag;

// The push button of every window: a self-drawn glossy face with a one-pixel border and
// softened corners, an optional picture from a strip of frames, and a caption.
//
// The face shows one of five states (ButtonState). The mouse and the space bar press it;
// the mouse leaving is found by polling every 10 ms, with a timer that exists only while
// the mouse is over the button. The face is painted anew only when the state changes, a
// property is written or the size changes.
//
// Signals, in the order they come (all except MouseOut only while the button is enabled):
// - mouse press: MouseDown; mouse movement over the button: MouseMove, MouseIn; mouse
//   release: MouseUp, then Click when a left press is released on the button;
// - space bar: MouseDown(0, 0, 0, 0), KeyDown, KeyPress(32); releasing it: MouseUp, Click,
//   KeyUp. A held space bar presses once and releases once;
// - other keys: KeyDown, KeyPress (for keys that type a character), KeyUp. Enter does
//   nothing special;
// - MouseOut once when the polling finds that the mouse has gone, also for a button that
//   was disabled meanwhile;
// - with setAcceptDrops(true): OLEDragOver while something is dragged over the button,
//   OLEDragDrop when it is dropped.
// Mouse buttons are 1 left, 2 right, 4 middle; Shift is 1 Shift, 2 Ctrl, 4 Alt; key codes
// are those of KeyCodes.h.
class VistaButton : public QWidget
{
    Q_OBJECT

public:
    // Tells which widget is under the mouse cursor; replaced in tests to script the mouse.
    using WidgetUnderCursor = std::function<QWidget *()>;

    // A newly placed button: `name` becomes both its object name and its caption; black
    // Arial 8.25 pt text, two frames per picture strip with the green RGB(0, 255, 0) left
    // out, no picture, on the button face colour of the system.
    explicit VistaButton(QWidget *parent = nullptr, const QString &name = QString());

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);

    // The picture strip: `pictures()` frames of equal width side by side, frame 0 for the
    // normal look, 1 when disabled, 2 while pressed. A null image means no picture.
    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);

    // Frames in the strip. A negative number becomes 1 and one above 2 becomes 2; 0 stays
    // and is drawn like 1.
    // The same picture on more pixels, for a button drawn larger than 1:1 (a scaled-up stage,
    // a high-density screen): given the scale, a version with at least that many times the
    // pixels. Asked for only when the button is drawn larger, once per scale.
    using DetailedPictureSource = std::function<QImage(qreal scale)>;
    void setDetailedPictureSource(DetailedPictureSource source);

    int pictures() const { return m_pictures; }
    void setPictures(int pictures);

    // With the mask colour on, pixels of maskColor() in the picture are left out.
    bool useMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool on);
    QColor maskColor() const { return m_maskColor; }
    void setMaskColor(const QColor &color);

    // Without background the normal, focused and disabled states show only the
    // background colour, the picture and the caption.
    bool noBackground() const { return m_noBackground; }
    void setNoBackground(bool on);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);

    // Pixels by which the picture moves right and down while pressed; shown at the next
    // repaint.
    int pictureOffset() const { return m_pictureOffset; }
    void setPictureOffset(int offset);

    ButtonState buttonState() const { return m_state; }
    // A mouse button or the space bar is held down on the button.
    bool isPressed() const { return m_pressed; }
    // The hover timer runs: the mouse was over the button when last looked at.
    bool isHovering() const { return m_hover.isActive(); }

    // The face as the window shows it, one image pixel per button pixel. A size change not
    // yet delivered to a hidden button is caught up first.
    const QImage &face();

    void setWidgetUnderCursor(WidgetUnderCursor probe);

    // Keeps all settings in `bag` (every key, always).
    void writeProperties(PropertyBag &bag) const;
    // Takes the settings from `bag` as they were stored; keys that are missing get the
    // defaults of ButtonPersistence.h.
    void readProperties(const PropertyBag &bag);

    QSize sizeHint() const override;

signals:
    void Click();
    // Effect: 1 copy, 2 move, 4 link, added together. State: 0 entering, 1 leaving (data
    // is then null), 2 moving over.
    void OLEDragDrop(const QMimeData *data, int effect, int button, int shift, float x, float y);
    void OLEDragOver(const QMimeData *data, int effect, int button, int shift, float x, float y, int state);
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void MouseIn();
    void MouseOut();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Stores the state and repaints when it changed; tells whether it changed.
    bool setState(ButtonState state);
    // Paints the face and shows it.
    void redraw();
    // Paints the face and, after a size change, reshapes the window; shows nothing yet.
    void paintFaceNow();
    // What the face is painted from: the button's properties as they stand.
    FaceInput faceInput() const;
    void makeRegion();
    void preparePicture();
    bool isMouseOver() const;
    void startHover();
    void endHover();
    void syncTabStop();
    void applyEnabled();

    // The press and release steps shared by the mouse and the space bar. They return false
    // when a signal handler disabled or destroyed the button, so the caller stops.
    bool mouseDown(int button, int shift, float x, float y);
    bool mouseUp(int button, int shift, float x, float y);
    bool isInside(float x, float y) const;

    QString m_caption;
    QColor m_foreColor;
    QImage m_picture;
    qint16 m_pictures = 2;
    bool m_useMaskColor = true;
    QColor m_maskColor;
    bool m_noBackground = false;
    qint16 m_pictureOffset = 0;
    QColor m_backColor;

    // The picture as it is copied onto the face; null when there is nothing to draw.
    QImage m_pictureStrip;
    bool m_hasFocus = false;
    bool m_savedTabStop = false;
    bool m_tabStopTaken = false;
    ButtonState m_state = ButtonState::Normal;
    bool m_pressed = false;
    // A left press on the button that a release may still turn into a Click.
    bool m_clickPending = false;
    int m_lastWidth = -1;
    int m_lastHeight = -1;
    QBasicTimer m_hover;
    bool m_readingProperties = false;

    QImage m_face;
    // The face drawn for a larger scale, remade when the face changes.
    QImage paintDetailedFace(qreal scale);
    DetailedPictureSource m_detailedSource;
    QImage m_detailedPicture;
    qreal m_detailedPictureScale = 0;
    QImage m_detailedFace;
    qreal m_detailedScale = 0;
    WidgetUnderCursor m_widgetUnderCursor;
};

} // namespace widgets
