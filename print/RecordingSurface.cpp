#include "print/RecordingSurface.h"

namespace print {

void RecordingSurface::line(int x1, int y1, int x2, int y2, const QColor &colour)
{
    m_operations.push_back({PageOperation::Kind::Line, x1, y1, x2, y2, colour, {}, {}, {}, {}});
}

void RecordingSurface::box(int x1, int y1, int x2, int y2, const QColor &colour)
{
    m_operations.push_back({PageOperation::Kind::Box, x1, y1, x2, y2, colour, {}, {}, {}, {}});
}

void RecordingSurface::filledBox(int x1, int y1, int x2, int y2, const QColor &colour)
{
    m_operations.push_back({PageOperation::Kind::FilledBox, x1, y1, x2, y2, colour, {}, {}, {}, {}});
}

void RecordingSurface::text(int x, int y, const QString &text, const PageFont &font, const QColor &colour)
{
    m_operations.push_back({PageOperation::Kind::Text, x, y, x, y, colour, font, text, {}, {}});
}

void RecordingSurface::picture(int x, int y, int width, int height, const QImage &, const QString &name)
{
    m_operations.push_back(
        {PageOperation::Kind::Picture, x, y, x + width, y + height, {}, {}, {}, name, QSize(width, height)});
}

bool RecordingSurface::endDocument()
{
    m_operations.push_back({PageOperation::Kind::EndDocument, 0, 0, 0, 0, {}, {}, {}, {}, {}});
    m_ended = true;
    return true;
}

std::vector<PageOperation> RecordingSurface::operations(PageOperation::Kind kind) const
{
    std::vector<PageOperation> result;
    for (const PageOperation &operation : m_operations)
        if (operation.kind == kind)
            result.push_back(operation);
    return result;
}

} // namespace print
