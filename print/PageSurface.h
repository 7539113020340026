#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace print {

// A font as the card sheets name it: a face, a size in points on paper, bold or not.
struct PageFont {
    QString family;
    double points = 12.0;
    bool bold = false;

    friend bool operator==(const PageFont &, const PageFont &) = default;
};

// One printed page, measured in twips (1/1440 inch) from the top-left corner of the
// printer's printable area, x to the right and y downwards. These are all the drawing
// operations the card sheets use; a sheet is nothing more than an ordered list of them.
class PageSurface
{
public:
    virtual ~PageSurface() = default;

    // A line with the thinnest pen the device has.
    virtual void line(int x1, int y1, int x2, int y2, const QColor &colour) = 0;
    // The outline of the box with corners (x1, y1) and (x2, y2).
    virtual void box(int x1, int y1, int x2, int y2, const QColor &colour) = 0;
    // The same box filled and outlined in one colour.
    virtual void filledBox(int x1, int y1, int x2, int y2, const QColor &colour) = 0;
    // Text on one line, never wrapped; (x, y) is the top-left corner of its line box,
    // the font's internal leading included, so the baseline lies one ascent lower.
    virtual void text(int x, int y, const QString &text, const PageFont &font, const QColor &colour) = 0;
    // A picture scaled to width x height with its top-left corner at (x, y). The name
    // says which picture it is; a null image draws nothing.
    virtual void picture(int x, int y, int width, int height, const QImage &image, const QString &name) = 0;
    // Finishes the page and hands it to the printer as a document of its own.
    // False when the device reports that the document could not be completed.
    virtual bool endDocument() = 0;
};

} // namespace print
