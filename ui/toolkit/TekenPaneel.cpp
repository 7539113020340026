#include "ui/toolkit/TekenPaneel.h"

#include "widgets/DeviceScale.h"

#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace ui {

TekenPaneel::TekenPaneel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_oppervlakMaat = size().expandedTo(QSize(1, 1));
}

void TekenPaneel::setBackColor(const QColor &color)
{
    m_backColor = color;
    wis();
}

void TekenPaneel::setPicture(const QImage &picture)
{
    m_picture = picture;
    wis();
}

bool TekenPaneel::laadPicture(const QString &path)
{
    QImage picture;
    if (!picture.load(path) || picture.isNull())
        return false;
    setPicture(picture);
    return true;
}

void TekenPaneel::removePicture()
{
    m_picture = QImage();
    wis();
}

void TekenPaneel::wis()
{
    // Nothing drawn is kept, so the surface need not be larger than the panel.
    m_tekeningen.clear();
    m_oppervlakMaat = size().expandedTo(QSize(1, 1));
    vergeetOppervlakken();
    update();
}

void TekenPaneel::setCurrentPosition(int x, int y)
{
    m_currentX = x;
    m_currentY = y;
}

void TekenPaneel::print(const QString &text) { printAt(m_currentX, m_currentY, text, m_foreColor); }

void TekenPaneel::printAt(int x, int y, const QString &text, const QColor &color)
{
    const QFontMetrics metrics(m_font);
    teken([font = m_font, x, y, text, color, ascent = metrics.ascent()](QPainter &painter) {
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(color);
        painter.drawText(QPoint(x, y + ascent), text);
    });
    m_currentX = x + metrics.horizontalAdvance(text);
    m_currentY = y + metrics.height();
}

void TekenPaneel::line(int x1, int y1, int x2, int y2, const QColor &color)
{
    teken([=](QPainter &painter) {
        // Enlarged, a line is a band of one logical pixel; at 1:1 or smaller one screen pixel.
        const bool geschaald = widgets::deviceScale(painter) > 1.001;
        painter.setPen(QPen(color, 0));
        if (y1 == y2 && x1 != x2) {
            const int eind = x2 > x1 ? x2 - 1 : x2 + 1;
            if (geschaald)
                painter.fillRect(QRectF(std::min(x1, eind), y1, std::abs(eind - x1) + 1, 1), color);
            else
                painter.drawLine(x1, y1, eind, y2);
        } else if (x1 == x2 && y1 != y2) {
            const int eind = y2 > y1 ? y2 - 1 : y2 + 1;
            if (geschaald)
                painter.fillRect(QRectF(x1, std::min(y1, eind), 1, std::abs(eind - y1) + 1), color);
            else
                painter.drawLine(x1, y1, x2, eind);
        } else if (x1 != x2 || y1 != y2) {
            // Scaled, a line keeps the width of one logical pixel.
            if (geschaald)
                painter.setPen(QPen(color, 1));
            painter.drawLine(x1, y1, x2, y2);
        }
    });
}

void TekenPaneel::box(int x1, int y1, int x2, int y2, const QColor &color)
{
    const QRect rand = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
                           .adjusted(0, 0, -1, -1);
    teken([rand, color](QPainter &painter) {
        painter.setPen(QPen(color, 0));
        painter.setBrush(Qt::NoBrush);
        if (widgets::deviceScale(painter) <= 1.001) {
            painter.drawRect(rand);
            return;
        }
        // Enlarged, the outline is a band of one logical pixel along the inside of the rectangle,
        // like the one pixel wide outline it is at the design size.
        const QRectF buiten(rand.adjusted(0, 0, 1, 1));
        QPainterPath band;
        band.addRect(buiten);
        band.addRect(buiten.adjusted(1, 1, -1, -1));
        painter.fillPath(band, color);
    });
}

void TekenPaneel::filledBox(int x1, int y1, int x2, int y2, const QColor &color)
{
    const QRect vlak(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
    teken([vlak, color](QPainter &painter) { painter.fillRect(vlak, color); });
}

void TekenPaneel::paintPicture(const QImage &picture, int x, int y, int w, int h, const DetailBron &detailed)
{
    growSurface();
    if (picture.isNull())
        return;
    teken([picture, detailed, doel = QRect(x, y, w, h)](QPainter &painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const qreal schaal = widgets::deviceScale(painter);
        painter.drawImage(doel, schaal > 1.001 && detailed ? detailed(schaal) : picture);
    });
}

void TekenPaneel::teken(Tekening tekening)
{
    growSurface();
    m_tekeningen.push_back(std::move(tekening));
    update();
}

const QImage &TekenPaneel::bijgewerktOppervlak(qreal schaal) const
{
    std::size_t i = 0;
    while (i < m_oppervlakken.size() && widgets::differentScale(schaal, m_oppervlakken[i].schaal))
        ++i;
    if (i == m_oppervlakken.size())
        i = 1 - m_laatste; // the one not painted last makes way
    Oppervlak &oppervlak = m_oppervlakken[i];
    if (oppervlak.getekend && !widgets::differentScale(schaal, oppervlak.schaal)
        && oppervlak.beeld.size() == pixelMaat(schaal))
        tekenOp(oppervlak.beeld, schaal, *oppervlak.getekend);
    else
        maakOpnieuw(oppervlak.beeld, schaal);
    oppervlak.schaal = schaal;
    oppervlak.getekend = m_tekeningen.size();
    m_laatste = i;
    return oppervlak.beeld;
}

QSize TekenPaneel::pixelMaat(qreal schaal) const
{
    return QSize(int(std::ceil(m_oppervlakMaat.width() * schaal)), int(std::ceil(m_oppervlakMaat.height() * schaal)))
        .expandedTo(QSize(1, 1));
}

void TekenPaneel::maakOpnieuw(QImage &oppervlak, qreal schaal) const
{
    // Drawn at the scale in so many words: Qt only scales by an image's own pixel ratio above 1.
    if (oppervlak.size() != pixelMaat(schaal))
        oppervlak = QImage(pixelMaat(schaal), QImage::Format_RGB32);
    oppervlak.fill(m_backColor);
    if (!m_picture.isNull()) {
        QPainter painter(&oppervlak);
        painter.scale(schaal, schaal);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPoint(0, 0), m_picture);
    }
    tekenOp(oppervlak, schaal, 0);
}

void TekenPaneel::tekenOp(QImage &oppervlak, qreal schaal, std::size_t vanaf) const
{
    if (vanaf >= m_tekeningen.size())
        return;
    QPainter painter(&oppervlak);
    painter.scale(schaal, schaal);
    for (std::size_t i = vanaf; i < m_tekeningen.size(); ++i) {
        painter.save();
        m_tekeningen[i](painter);
        painter.restore();
    }
}

QImage TekenPaneel::surface() const
{
    if (!widgets::differentScale(m_oppervlakken[m_laatste].schaal, 1.0))
        return bijgewerktOppervlak(1.0);
    // Shown enlarged: that surface stays as it is.
    QImage oppervlak;
    maakOpnieuw(oppervlak, 1.0);
    return oppervlak;
}

void TekenPaneel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal schaal = widgets::deviceScale(painter);
    const QImage &oppervlak = bijgewerktOppervlak(schaal);
    if (!widgets::differentScale(schaal, 1.0)) {
        painter.drawImage(0, 0, oppervlak);
        return;
    }
    // One surface pixel on one screen pixel, not resampled.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(0, 0, oppervlak.width() / schaal, oppervlak.height() / schaal), oppervlak);
}

void TekenPaneel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    growSurface();
}

void TekenPaneel::growSurface()
{
    // Hidden widgets get their resize events late, so every drawing call checks the size too.
    // The surface only grows, so what was drawn survives a panel that is made smaller and larger.
    const QSize wanted = size().expandedTo(m_oppervlakMaat).expandedTo(QSize(1, 1));
    if (wanted == m_oppervlakMaat)
        return;
    m_oppervlakMaat = wanted;
    vergeetOppervlakken();
}

void TekenPaneel::vergeetOppervlakken()
{
    for (Oppervlak &oppervlak : m_oppervlakken)
        oppervlak.getekend.reset();
}

} // namespace ui
