#include "print/Printers.h"

#include "print/PrinterTarget.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace print {
namespace {

// A printer target that owns its printer, so the job can outlive the printer list.
class EigenPrinterDoel : public DocumentTarget
{
public:
    explicit EigenPrinterDoel(const QPrinterInfo &info)
        : m_printer(info, QPrinter::HighResolution)
        , m_doel(m_printer)
    {}

    std::unique_ptr<PageSurface> beginDocument(int pageNumber) override { return m_doel.beginDocument(pageNumber); }
    bool finishJob() override { return m_doel.finishJob(); }

private:
    QPrinter m_printer; // declared before m_doel, which keeps a reference to it
    PrinterTarget m_doel;
};

} // namespace

QStringList SysteemPrinters::namen() const { return QPrinterInfo::availablePrinterNames(); }

QString SysteemPrinters::standaard() const { return QPrinterInfo::defaultPrinterName(); }

std::unique_ptr<DocumentTarget> SysteemPrinters::open(const QString &naam)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(naam);
    if (info.isNull())
        return nullptr;
    return std::make_unique<EigenPrinterDoel>(info);
}

Printerkeuze::Printerkeuze(Printers &printers)
    : m_printers(printers)
    , m_huidige(printers.standaard())
{
    if (m_huidige.isEmpty())
        m_huidige = PdfBestand;
}

QStringList Printerkeuze::lijst() const
{
    QStringList lijst = m_printers.namen();
    lijst.append(PdfBestand);
    return lijst;
}

} // namespace print
