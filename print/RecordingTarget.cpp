#include "print/RecordingTarget.h"

namespace print {
namespace {

// Hands the operations on to a recording the target keeps after the job has let go
// of its page.
class ForwardingSurface : public PageSurface
{
public:
    explicit ForwardingSurface(RecordingSurface &recording)
        : m_recording(recording)
    {}

    void line(int x1, int y1, int x2, int y2, const QColor &colour) override
    {
        m_recording.line(x1, y1, x2, y2, colour);
    }
    void box(int x1, int y1, int x2, int y2, const QColor &colour) override { m_recording.box(x1, y1, x2, y2, colour); }
    void filledBox(int x1, int y1, int x2, int y2, const QColor &colour) override
    {
        m_recording.filledBox(x1, y1, x2, y2, colour);
    }
    void text(int x, int y, const QString &text, const PageFont &font, const QColor &colour) override
    {
        m_recording.text(x, y, text, font, colour);
    }
    void picture(int x, int y, int width, int height, const QImage &image, const QString &name) override
    {
        m_recording.picture(x, y, width, height, image, name);
    }
    bool endDocument() override { return m_recording.endDocument(); }

private:
    RecordingSurface &m_recording;
};

} // namespace

std::unique_ptr<PageSurface> RecordingTarget::beginDocument(int pageNumber)
{
    if (onBeginDocument)
        onBeginDocument(pageNumber);
    m_pageNumbers.push_back(pageNumber);
    m_documents.push_back(std::make_unique<RecordingSurface>());
    return std::make_unique<ForwardingSurface>(*m_documents.back());
}

bool RecordingTarget::finishJob()
{
    ++m_finishedJobs;
    return true;
}

} // namespace print
