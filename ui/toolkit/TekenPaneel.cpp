#include "ui/toolkit/TekenPaneel.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace ui {

TekenPaneel::TekenPaneel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    growSurface();
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
    growSurface();
    m_surface.fill(m_backColor);
    if (!m_picture.isNull()) {
        QPainter painter(&m_surface);
        painter.drawImage(0, 0, m_picture);
    }
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
    growSurface();
    QPainter painter(&m_surface);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(m_font);
    painter.setPen(color);
    const QFontMetrics metrics(m_font);
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    m_currentX = x + metrics.horizontalAdvance(text);
    m_currentY = y + metrics.height();
    update();
}

void TekenPaneel::line(int x1, int y1, int x2, int y2, const QColor &color)
{
    growSurface();
    QPainter painter(&m_surface);
    painter.setPen(QPen(color, 0));
    if (y1 == y2 && x1 != x2)
        painter.drawLine(x1, y1, x2 > x1 ? x2 - 1 : x2 + 1, y2);
    else if (x1 == x2 && y1 != y2)
        painter.drawLine(x1, y1, x2, y2 > y1 ? y2 - 1 : y2 + 1);
    else if (x1 != x2 || y1 != y2)
        painter.drawLine(x1, y1, x2, y2);
    update();
}

void TekenPaneel::box(int x1, int y1, int x2, int y2, const QColor &color)
{
    growSurface();
    QPainter painter(&m_surface);
    painter.setPen(QPen(color, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
                         .adjusted(0, 0, -1, -1));
    update();
}

void TekenPaneel::filledBox(int x1, int y1, int x2, int y2, const QColor &color)
{
    growSurface();
    QPainter painter(&m_surface);
    painter.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
                     color);
    update();
}

void TekenPaneel::paintPicture(const QImage &picture, int x, int y, int w, int h)
{
    growSurface();
    if (picture.isNull())
        return;
    QPainter painter(&m_surface);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(x, y, w, h), picture);
    update();
}

void TekenPaneel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
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
    const QSize wanted = size().expandedTo(m_surface.size()).expandedTo(QSize(1, 1));
    if (wanted == m_surface.size())
        return;
    QImage grown(wanted, QImage::Format_RGB32);
    grown.fill(m_backColor);
    QPainter painter(&grown);
    painter.drawImage(0, 0, m_surface);
    painter.end();
    m_surface = grown;
}

} // namespace ui
