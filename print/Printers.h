#pragma once

#include "print/PrintJob.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace print {

// The printer that writes a job to a PDF file instead of paper. It is always in the
// list, so the print dialog works on a computer without any printer as well.
inline const QString PdfBestand = QStringLiteral("PDF-bestand");

// The printers installed on the computer. The program asks the system (CUPS, through
// Qt); tests bring their own.
class Printers
{
public:
    virtual ~Printers() = default;

    // Device names in the order the platform lists them.
    virtual QStringList namen() const = 0;
    // The system's default printer; empty when there is none.
    virtual QString standaard() const = 0;
    // Where a job on the named printer goes: one spooler job per sheet, portrait A4.
    // Null when no printer of that name is installed (any more).
    virtual std::unique_ptr<DocumentTarget> open(const QString &naam) = 0;
};

// The printers as Qt finds them.
class SysteemPrinters : public Printers
{
public:
    QStringList namen() const override;
    QString standaard() const override;
    std::unique_ptr<DocumentTarget> open(const QString &naam) override;
};

// The printer list of the print dialog and the current printer that all jobs go to.
// The current printer starts as the system's default, or PdfBestand when there is none,
// and stays what the operator chose for the rest of the run; it is never saved.
class Printerkeuze
{
public:
    explicit Printerkeuze(Printers &printers);

    // The installed printers, asked anew on every call (one may have been added since the
    // dialog was last open), followed by PdfBestand.
    QStringList lijst() const;

    const QString &huidige() const { return m_huidige; }
    void kies(const QString &naam) { m_huidige = naam; }

    Printers &printers() const { return m_printers; }

private:
    Printers &m_printers;
    QString m_huidige;
};

} // namespace print
