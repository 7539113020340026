#include "print/PrintJob.h"

#include <QCursor>
#include <QGuiApplication>

namespace print {
namespace {

// The hourglass over all of the program's windows while the job runs.
class BusyPointer
{
public:
    BusyPointer()
        : m_shown(qGuiApp != nullptr)
    {
        if (m_shown)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~BusyPointer()
    {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    bool m_shown;
};

} // namespace

PrintJobResult runPrintJob(DocumentTarget &target, int pages, const SheetDrawer &drawSheet)
{
    const BusyPointer busy;
    PrintJobResult result;
    for (int page = 1; page <= pages; ++page) {
        std::unique_ptr<PageSurface> surface = target.beginDocument(page);
        if (!surface) {
            result.completed = false;
            break;
        }
        drawSheet(*surface);
        if (!surface->endDocument()) {
            // A printer that refuses one sheet refuses the rest as well.
            result.completed = false;
            break;
        }
        ++result.documentsPrinted;
    }
    if (!target.finishJob())
        result.completed = false;
    return result;
}

PrintJobResult drukKaarten(DocumentTarget &target, KaartSoort soort, int pages, core::RandomSource &random,
                           const QString &reclameTekst, bool middenstuk)
{
    return runPrintJob(target, pages,
                       [&](PageSurface &surface) { MaakKaartenVan(soort, surface, random, reclameTekst, middenstuk); });
}

} // namespace print
