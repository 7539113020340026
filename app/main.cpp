#include "ui/hoofdvenster/Programma.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// With ALFABO_MELD_EERSTE_FRAME set (the start-up benchmark does this), the program writes
// "eerste frame" to stderr once the main window's first frame has been painted and handed
// to the screen. An operator never sets it, and then nothing is installed.
class EersteFrameMelder : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && object->isWidgetType()
            && static_cast<QWidget *>(object)->window()->inherits("ui::Main")) {
            QCoreApplication::instance()->removeEventFilter(this);
            // The frame goes to the screen when the whole paint pass is over, after this event.
            QTimer::singleShot(0, [] {
                std::fputs("eerste frame\n", stderr);
                std::fflush(stderr);
            });
        }
        return false;
    }
};

void installeerEersteFrameMelder()
{
    if (qEnvironmentVariableIsSet("ALFABO_MELD_EERSTE_FRAME"))
        QCoreApplication::instance()->installEventFilter(new EersteFrameMelder(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installeerEersteFrameMelder)

int main(int argc, char **argv) { return ui::startProgramma(argc, argv); }
