#include "print/PrinterTarget.h"

#include "print/QtPageSurface.h"

#include <QPageSize>
#include <QPrinter>

namespace print {

PrinterTarget::PrinterTarget(QPrinter &printer)
    : m_printer(printer)
{
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageOrientation(QPageLayout::Portrait);
    // The origin is the corner of what the printer can reach, not of the paper.
    m_printer.setFullPage(false);
}

std::unique_ptr<PageSurface> PrinterTarget::beginDocument(int pageNumber)
{
    m_printer.setDocName(QStringLiteral("Alfabo Lotto bingokaarten %1").arg(pageNumber));
    if (!m_painter.begin(&m_printer))
        return nullptr;
    return std::make_unique<QtPageSurface>(m_painter, [this] { return m_painter.end(); });
}

} // namespace print
