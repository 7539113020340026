// Times the painting of one button face from scratch, as every state change and property
// write does: a 75 x 25 caption button and a 56 x 56 icon button of the menu bar.
// Target: well under 1 ms each.
//
// Usage: bench_button

#include "widgets/ButtonFace.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// A 48 x 48 icon on the green that the button leaves out.
QImage icon()
{
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(200, 40, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(6, 6, 36, 36);
    return image;
}

// Microseconds per call: the median of several batches, so a stray pause does not count.
double microsecondsPerCall(const std::function<void()> &work)
{
    constexpr int kBatches = 9;
    constexpr int kCallsPerBatch = 500;
    std::vector<double> batches;
    for (int b = 0; b < kBatches; ++b) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kCallsPerBatch; ++i)
            work();
        batches.push_back(double(timer.nsecsElapsed()) / 1000.0 / kCallsPerBatch);
    }
    std::sort(batches.begin(), batches.end());
    return batches[batches.size() / 2];
}

double report(const char *what, double micros)
{
    std::printf("%-46s %8.1f us per face  (%s 1 ms)\n", what, micros, micros < 1000.0 ? "under" : "OVER");
    return micros;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    widgets::installFontSubstitutions();

    using widgets::ButtonState;
    using widgets::FaceInput;

    FaceInput caption;
    caption.caption = QStringLiteral("Annuleren");
    caption.font = widgets::designFont(QStringLiteral("Arial"), 8.25);
    QImage captionFace(75, 25, QImage::Format_RGB32);

    FaceInput menuIcon;
    menuIcon.picture = icon().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    menuIcon.pictures = 1;
    menuIcon.font = caption.font;
    QImage iconFace(56, 56, QImage::Format_RGB32);

    int state = 0;
    const auto nextState = [&state] { return ButtonState(state++ % 5); };

    const double caption75 = report("75 x 25 caption face, all states in turn", microsecondsPerCall([&] {
                                        caption.state = nextState();
                                        caption.enabled = caption.state != ButtonState::Disabled;
                                        widgets::paintFace(captionFace, caption);
                                    }));
    const double icon56 = report("56 x 56 icon face, all states in turn", microsecondsPerCall([&] {
                                     menuIcon.state = nextState();
                                     menuIcon.enabled = menuIcon.state != ButtonState::Disabled;
                                     widgets::paintFace(iconFace, menuIcon);
                                 }));

    // The same through the button itself, a property write each time.
    widgets::VistaButton button;
    button.resize(75, 25);
    bool flip = false;
    const double written =
        report("75 x 25 button, caption written", microsecondsPerCall([&] {
                   button.setCaption((flip = !flip) ? QStringLiteral("Ok") : QStringLiteral("Annuleren"));
               }));
    const double slowest = std::max({caption75, icon56, written});
    std::printf("TABEL|Button face 75 x 25 / 56 x 56 icon / caption written (median)|%.0f µs / %.0f µs / %.0f µs|"
                "< 1 ms each|%s\n",
                caption75, icon56, written, slowest < 1000.0 ? "yes" : "no");
    return 0;
}
