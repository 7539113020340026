#pragma once

#include "print/PageSurface.h"

#include <QSize>

#include <vector>

namespace print {

// One drawing operation as it was asked for.
struct PageOperation {
    enum class Kind { Line, Box, FilledBox, Text, Picture, EndDocument };

    Kind kind = Kind::Line;
    // Both corners for lines and boxes; the position for text and pictures.
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    QColor colour;
    PageFont font;       // text only
    QString text;        // text only
    QString pictureName; // pictures only
    QSize pictureSize;   // pictures only: the size on the page, in twips
};

// Keeps every operation instead of drawing, so a sheet can be checked without a printer.
class RecordingSurface : public PageSurface
{
public:
    void line(int x1, int y1, int x2, int y2, const QColor &colour) override;
    void box(int x1, int y1, int x2, int y2, const QColor &colour) override;
    void filledBox(int x1, int y1, int x2, int y2, const QColor &colour) override;
    void text(int x, int y, const QString &text, const PageFont &font, const QColor &colour) override;
    void picture(int x, int y, int width, int height, const QImage &image, const QString &name) override;
    bool endDocument() override;

    const std::vector<PageOperation> &operations() const { return m_operations; }
    // The operations of one kind, in the order they were asked for.
    std::vector<PageOperation> operations(PageOperation::Kind kind) const;
    bool isEnded() const { return m_ended; }

private:
    std::vector<PageOperation> m_operations;
    bool m_ended = false;
};

} // namespace print
