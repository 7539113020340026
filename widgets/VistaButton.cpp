#include "widgets/VistaButton.h"

#include "widgets/ButtonFace.h"
#include "widgets/ButtonPersistence.h"
#include "widgets/DeviceScale.h"
#include "widgets/Fonts.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontInfo>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace widgets {

VistaButton::VistaButton(QWidget *parent, const QString &name)
    : QWidget(parent)
    , m_caption(name)
    , m_foreColor(Qt::black)
    , m_maskColor(0, 255, 0)
    , m_backColor(colorFromStored(qint32(kSystemButtonFace)))
    , m_widgetUnderCursor([] { return QApplication::widgetAt(QCursor::pos()); })
{
    setObjectName(name);
    // Moves must arrive without a mouse button held, or the button could not light up.
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The face covers every pixel of the button.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(designFont(QStringLiteral("Arial"), 8.25));
    redraw();
}

void VistaButton::setCaption(const QString &caption)
{
    m_caption = caption;
    redraw();
}

void VistaButton::setForeColor(const QColor &color)
{
    m_foreColor = color;
    redraw();
}

void VistaButton::setPicture(const QImage &picture)
{
    m_picture = picture;
    preparePicture();
    redraw();
}

void VistaButton::setDetailedPictureSource(DetailedPictureSource source)
{
    m_detailedSource = std::move(source);
    m_detailedPicture = QImage();
    redraw();
}

void VistaButton::setPictures(int pictures)
{
    if (pictures < 0)
        pictures = 1;
    else if (pictures > 2)
        pictures = 2;
    m_pictures = qint16(pictures);
    redraw();
}

void VistaButton::setUseMaskColor(bool on)
{
    m_useMaskColor = on;
    redraw();
}

void VistaButton::setMaskColor(const QColor &color)
{
    m_maskColor = color;
    redraw();
}

void VistaButton::setNoBackground(bool on)
{
    m_noBackground = on;
    redraw();
}

void VistaButton::setBackColor(const QColor &color)
{
    m_backColor = color;
    redraw();
}

void VistaButton::setPictureOffset(int offset) { m_pictureOffset = qint16(std::clamp(offset, -32768, 32767)); }

const QImage &VistaButton::face()
{
    if (m_face.size() != size())
        paintFaceNow();
    return m_face;
}

void VistaButton::setWidgetUnderCursor(WidgetUnderCursor probe) { m_widgetUnderCursor = std::move(probe); }

QSize VistaButton::sizeHint() const { return {75, 25}; }

void VistaButton::writeProperties(PropertyBag &bag) const
{
    ButtonSettings settings;
    settings.caption = m_caption;
    settings.foreColor = m_foreColor;
    settings.font = font();
    settings.picture = m_picture;
    settings.pictures = m_pictures;
    settings.useMaskColor = m_useMaskColor;
    settings.maskColor = m_maskColor;
    // The button's own setting, not whether a disabled window around it greys it out.
    settings.enabled = !testAttribute(Qt::WA_ForceDisabled);
    settings.noBackground = m_noBackground;
    settings.backColor = m_backColor;
    settings.pictureOffset = m_pictureOffset;
    writeButtonSettings(bag, settings);
}

void VistaButton::readProperties(const PropertyBag &bag)
{
    const ButtonSettings settings = readButtonSettings(bag, font());
    // Font and Enabled are set through the widget; their change notifications must not
    // repaint or move the state halfway through.
    m_readingProperties = true;
    m_caption = settings.caption;
    m_foreColor = settings.foreColor;
    setFont(settings.font);
    m_picture = settings.picture;
    m_pictures = settings.pictures;
    m_useMaskColor = settings.useMaskColor;
    m_maskColor = settings.maskColor;
    setEnabled(settings.enabled);
    m_noBackground = settings.noBackground;
    m_backColor = settings.backColor;
    m_pictureOffset = settings.pictureOffset;
    m_readingProperties = false;

    preparePicture();
    if (!isEnabled()) {
        m_state = ButtonState::Disabled;
        m_pressed = false;
    }
    syncTabStop();
    redraw();
}

void VistaButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (m_readingProperties)
        return;
    if (event->type() == QEvent::EnabledChange)
        applyEnabled();
    else if (event->type() == QEvent::FontChange)
        redraw();
}

// Writing Enabled sets the state outright, whatever it was: an enabled button looks normal
// even with the mouse over it, until the mouse moves.
void VistaButton::applyEnabled()
{
    if (isEnabled()) {
        m_state = ButtonState::Normal;
    } else {
        m_state = ButtonState::Disabled;
        // A disabled button never hears the release, so it must not stay pressed.
        m_pressed = false;
        m_clickPending = false;
    }
    syncTabStop();
    redraw();
}

// A disabled button leaves the tab order and comes back when enabled; the tab stop is
// the TabFocus part of the focus policy.
void VistaButton::syncTabStop()
{
    const bool tabStop = focusPolicy() & Qt::TabFocus;
    if (isEnabled()) {
        if (m_tabStopTaken) {
            if (tabStop != m_savedTabStop)
                setFocusPolicy(
                    Qt::FocusPolicy(m_savedTabStop ? focusPolicy() | Qt::TabFocus : focusPolicy() & ~Qt::TabFocus));
            m_tabStopTaken = false;
        }
    } else if (tabStop) {
        m_savedTabStop = true;
        setFocusPolicy(Qt::FocusPolicy(focusPolicy() & ~Qt::TabFocus));
        m_tabStopTaken = true;
    }
}

bool VistaButton::setState(ButtonState state)
{
    const bool changed = state != m_state;
    m_state = state;
    if (changed)
        redraw();
    return changed;
}

void VistaButton::preparePicture()
{
    if (!m_picture.isNull() && m_picture.width() >= 1 && m_picture.height() >= 1)
        m_pictureStrip = m_picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    else
        m_pictureStrip = QImage();
}

void VistaButton::redraw()
{
    m_detailedFace = QImage();
    paintFaceNow();
    update();
}

FaceInput VistaButton::faceInput() const
{
    FaceInput input;
    input.state = m_state;
    input.enabled = isEnabled();
    input.pressed = m_pressed;
    input.noBackground = m_noBackground;
    input.backColor = m_backColor.rgb();
    input.caption = m_caption;
    input.font = font();
    input.foreColor = m_foreColor.rgb();
    input.picture = m_pictureStrip;
    input.pictures = m_pictures;
    input.useMaskColor = m_useMaskColor;
    input.maskColor = m_maskColor.rgb();
    input.pictureOffset = m_pictureOffset;
    return input;
}

void VistaButton::paintFaceNow()
{
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0) {
        m_face = QImage();
    } else {
        if (m_face.size() != size())
            m_face = QImage(w, h, QImage::Format_RGB32);
        paintFace(m_face, faceInput());
    }
    if (w != m_lastWidth || h != m_lastHeight) {
        makeRegion();
        m_lastWidth = w;
        m_lastHeight = h;
    }
}

// Cutting off the four outermost corner pixels rounds the corners; the mouse there
// reaches whatever lies behind the button.
void VistaButton::makeRegion()
{
    if (width() > 2 && height() > 2)
        setMask(buttonRegion(width(), height()));
    else
        clearMask();
}

void VistaButton::paintEvent(QPaintEvent *)
{
    if (m_face.size() != size())
        paintFaceNow();
    QPainter painter(this);
    const qreal scale = deviceScale(painter);
    if (scale <= 1.001 || m_face.isNull()) {
        painter.drawImage(0, 0, m_face);
        return;
    }
    if (m_detailedFace.isNull() || differentScale(scale, m_detailedScale)) {
        m_detailedFace = paintDetailedFace(scale);
        m_detailedScale = scale;
    }
    painter.drawImage(QRectF(rect()), m_detailedFace);
}

// The same face on more pixels: the caption in a font as much larger, the picture from the
// most detailed source at hand.
QImage VistaButton::paintDetailedFace(qreal scale)
{
    QImage face(std::max(1, int(std::ceil(width() * scale))), std::max(1, int(std::ceil(height() * scale))),
                QImage::Format_RGB32);
    FaceInput input = faceInput();
    input.font.setPixelSize(std::max(1, int(std::lround(QFontInfo(font()).pixelSize() * scale))));
    if (!m_pictureStrip.isNull()) {
        const QSize wanted(int(std::lround(m_pictureStrip.width() * scale)),
                           int(std::lround(m_pictureStrip.height() * scale)));
        if (m_detailedSource && differentScale(scale, m_detailedPictureScale)) {
            m_detailedPicture = m_detailedSource(scale);
            m_detailedPictureScale = scale;
        }
        const QImage &source = m_detailedPicture.isNull() ? m_pictureStrip : m_detailedPicture;
        // Nearest pixels keep the mask colour pure, so no fringe of it shows.
        input.picture = source.scaled(wanted, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    input.pictureOffset = int(std::lround(m_pictureOffset * scale));
    paintFace(face, input);
    return face;
}

void VistaButton::resizeEvent(QResizeEvent *) { redraw(); }

} // namespace widgets
