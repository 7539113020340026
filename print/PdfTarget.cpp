#include "print/PdfTarget.h"

#include "print/QtPageSurface.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace print {

PdfTarget::PdfTarget(QString fileName, Bundling bundling, int resolution)
    : m_fileName(std::move(fileName))
    , m_bundling(bundling)
    , m_resolution(resolution)
{}

PdfTarget::~PdfTarget() { closeWriter(); }

bool PdfTarget::openWriter(const QString &fileName)
{
    m_writer = std::make_unique<QPdfWriter>(fileName);
    m_writer->setResolution(m_resolution);
    m_writer->setCreator(QStringLiteral("Alfabo Lotto"));
    m_writer->setTitle(QStringLiteral("Alfabo Lotto bingokaarten"));
    m_writer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18), QPageLayout::Point));
    if (!m_painter.begin(m_writer.get())) {
        m_writer.reset();
        return false;
    }
    m_files.append(fileName);
    return true;
}

bool PdfTarget::closeWriter()
{
    bool ok = true;
    if (m_painter.isActive())
        ok = m_painter.end();
    m_writer.reset();
    return ok;
}

std::unique_ptr<PageSurface> PdfTarget::beginDocument(int pageNumber)
{
    if (m_bundling == Bundling::FilePerDocument) {
        if (!openWriter(m_fileName.arg(pageNumber)))
            return nullptr;
        return std::make_unique<QtPageSurface>(m_painter, [this] { return closeWriter(); });
    }

    if (!m_writer) {
        if (!openWriter(m_fileName))
            return nullptr;
    } else if (!m_writer->newPage()) {
        return nullptr;
    }
    // The file stays open for the next document; finishJob() closes it.
    return std::make_unique<QtPageSurface>(m_painter, nullptr);
}

bool PdfTarget::finishJob() { return closeWriter(); }

} // namespace print
