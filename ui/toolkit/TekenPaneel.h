#pragma once

#include "ui/toolkit/Beelden.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace ui {

// A drawing panel with a persistent surface: what is drawn stays through repaints until
// the panel is cleared. Coordinates are pixels, origin top left. Child controls may be
// placed on it like on any widget. Every drawing since the last clearing is kept, so the
// surface is drawn again, sharp, at the resolution of whatever screen or stage shows it.
class TekenPaneel : public QWidget
{
    Q_OBJECT

public:
    explicit TekenPaneel(QWidget *parent = nullptr);

    void setBackColor(const QColor &color);
    QColor backColor() const { return m_backColor; }

    // The panel's picture fills the surface from the top left; clearing shows it again.
    void setPicture(const QImage &picture);
    // Loads a picture file (JPEG) as the panel's picture; false when it cannot be read,
    // in which case nothing changes.
    bool laadPicture(const QString &path);
    void removePicture();

    // Clears everything drawn: the background colour, then the picture if there is one.
    void wis();

    void setDrawFont(const QFont &font) { m_font = font; }
    QFont drawFont() const { return m_font; }
    void setForeColor(const QColor &color) { m_foreColor = color; }
    void setCurrentPosition(int x, int y);
    int currentX() const { return m_currentX; }
    int currentY() const { return m_currentY; }

    // Text at the current position: the top-left corner of its line box lands there; one line,
    // never wrapped.
    void print(const QString &text);
    void printAt(int x, int y, const QString &text, const QColor &color);

    // A line from (x1, y1) towards (x2, y2); like the platform's line, the end point is not drawn.
    void line(int x1, int y1, int x2, int y2, const QColor &color);
    // Rectangle outline with both corners included.
    void box(int x1, int y1, int x2, int y2, const QColor &color);
    // Filled rectangle, corners included, filled and outlined in one colour.
    void filledBox(int x1, int y1, int x2, int y2, const QColor &color);
    // A picture scaled into the rectangle at (x, y) of width w and height h; drawn larger than
    // 1:1, from what `detailed` gives (the same picture on more pixels) when there is one.
    void paintPicture(const QImage &picture, int x, int y, int w, int h, const DetailBron &detailed = nullptr);

    // The surface as it stands, for tests and screenshots: one pixel per logical pixel.
    QImage surface() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    using Tekening = std::function<void(QPainter &)>;
    // Keeps a drawing; it is made on the surface when the panel is painted.
    void teken(Tekening tekening);
    void growSurface();
    // The surface with every kept drawing on it at this scale: the drawings kept since the
    // last time added, or, after clearing, growing or at another scale, all of them again.
    const QImage &bijgewerktOppervlak(qreal schaal) const;
    QSize pixelMaat(qreal schaal) const;
    // The background, the picture and every kept drawing on `oppervlak`, made the right size.
    void maakOpnieuw(QImage &oppervlak, qreal schaal) const;
    void tekenOp(QImage &oppervlak, qreal schaal, std::size_t vanaf) const;

    std::vector<Tekening> m_tekeningen;
    QSize m_oppervlakMaat; // logical pixels; only grows
    // Made when the panel is first painted, so a panel never shown costs no pixels; one for
    // each of two scales it is shown at (the stage and the hall's screen may differ).
    struct Oppervlak {
        QImage beeld;
        qreal schaal = 1.0;
        std::optional<std::size_t> getekend; // drawings on it; none: made anew
    };
    void vergeetOppervlakken();
    mutable std::array<Oppervlak, 2> m_oppervlakken;
    mutable std::size_t m_laatste = 0; // the one painted last
    QImage m_picture;
    QColor m_backColor = Qt::white;
    QColor m_foreColor = Qt::black;
    QFont m_font;
    int m_currentX = 0;
    int m_currentY = 0;
};

} // namespace ui
