#pragma once

#include "print/KaartLayouts.h"
#include "print/PageSurface.h"

#include <functional>
#include <memory>

namespace core {
class RandomSource;
}

namespace print {

// Where the documents of a print job go: a printer, PDF files, or a recorder in tests.
// Every page of a job is a document of its own, so that a spooler receives one job per
// sheet.
class DocumentTarget
{
public:
    virtual ~DocumentTarget() = default;
    // A blank page for document pageNumber (1 for the first of the job), or null when
    // the device cannot start one. The document is finished by the surface's endDocument().
    virtual std::unique_ptr<PageSurface> beginDocument(int pageNumber) = 0;
    // Called once when the job is over, also when it started no document at all.
    virtual bool finishJob() { return true; }
};

struct PrintJobResult {
    int documentsPrinted = 0;
    bool completed = true; // false when the device refused a document; the job stopped there
};

using SheetDrawer = std::function<void(PageSurface &)>;

// The job frame of every card maker. In this order: the busy pointer goes up; for page 1
// to pages: a new document, the sheet (drawSheet draws the cards, numbers and footer), end
// of the document; then the pointer goes back, also when pages is 0 (which starts no
// document). Runs to the end before it returns.
PrintJobResult runPrintJob(DocumentTarget &target, int pages, const SheetDrawer &drawSheet);

// pages sheets of one kind, new cards on every sheet.
PrintJobResult drukKaarten(DocumentTarget &target, KaartSoort soort, int pages, core::RandomSource &random,
                           const QString &reclameTekst, bool middenstuk = false);

} // namespace print
