#pragma once

#include "print/PrintJob.h"

#include <QPainter>
#include <QStringList>

#include <memory>

class QPdfWriter;

namespace print {

// Writes the documents of a job as PDF: portrait A4 with the margins of a common
// printer (a quarter inch), so the sheet sits on the paper as it would when printed.
class PdfTarget : public DocumentTarget
{
public:
    enum class Bundling {
        FilePerDocument, // every document its own file, as a printer spools them
        OneFileForJob,   // one file with a page per document
    };

    // FilePerDocument: "%1" in fileName is replaced by the page number of the document
    // ("kaarten-%1.pdf" gives kaarten-1.pdf, kaarten-2.pdf, ...).
    // OneFileForJob: fileName is used as it is.
    PdfTarget(QString fileName, Bundling bundling, int resolution = 600);
    ~PdfTarget() override;

    std::unique_ptr<PageSurface> beginDocument(int pageNumber) override;
    bool finishJob() override;

    // The files written so far, in order.
    const QStringList &files() const { return m_files; }

private:
    bool openWriter(const QString &fileName);
    bool closeWriter();

    QString m_fileName;
    Bundling m_bundling;
    int m_resolution;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    QStringList m_files;
};

} // namespace print
