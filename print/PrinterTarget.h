#pragma once

#include "print/PrintJob.h"

#include <QPainter>

class QPrinter;

namespace print {

// Prints on a printer: each document is one painter session, so one spooler job per
// sheet. The printer is set to portrait A4 with the page drawn inside its printable area.
class PrinterTarget : public DocumentTarget
{
public:
    explicit PrinterTarget(QPrinter &printer);

    std::unique_ptr<PageSurface> beginDocument(int pageNumber) override;

private:
    QPrinter &m_printer;
    QPainter m_painter;
};

} // namespace print
