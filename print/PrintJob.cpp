#include "print/PrintJob.h"

#include "core/kaarten/BladCode.h"
#include "core/RandomSource.h"

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
    // Every sheet its own code and the cards of that code. The job's first number is drawn; the
    // sheets take the numbers after it, spread over all seeds (an odd factor is a one-to-one
    // mapping), so the codes of neighbouring sheets do not look alike.
    random.reseed();
    const auto eerste = std::uint32_t(random.nextInRange(int(core::BladCode::ZaadGrens)) - 1);
    std::uint32_t blad = 0;
    return runPrintJob(target, pages, [&](PageSurface &surface) {
        const core::BladCode code{soort, middenstuk, (eerste + blad++) * 2654435761u % core::BladCode::ZaadGrens};
        core::SeededRandom bladToeval(core::kaartZaad(code));
        MaakKaartenVan(soort, surface, bladToeval, reclameTekst, middenstuk,
                       QString::fromStdString(core::codeTekst(code)));
    });
}

} // namespace print
