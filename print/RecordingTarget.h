#pragma once

#include "print/PrintJob.h"
#include "print/RecordingSurface.h"

#include <functional>
#include <memory>
#include <vector>

namespace print {

// Keeps every document of a job as a recorded page, so tests can count the documents
// and look at each sheet.
class RecordingTarget : public DocumentTarget
{
public:
    std::unique_ptr<PageSurface> beginDocument(int pageNumber) override;
    bool finishJob() override;

    // One entry per begun document, in order.
    const std::vector<std::unique_ptr<RecordingSurface>> &documents() const { return m_documents; }
    const std::vector<int> &pageNumbers() const { return m_pageNumbers; }
    int finishedJobs() const { return m_finishedJobs; }

    // Called at the start of every document, before the page is handed out.
    std::function<void(int pageNumber)> onBeginDocument;

private:
    std::vector<std::unique_ptr<RecordingSurface>> m_documents;
    std::vector<int> m_pageNumbers;
    int m_finishedJobs = 0;
};

} // namespace print
