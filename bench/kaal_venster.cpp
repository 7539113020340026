// The yardstick of the stage benchmark: a bare full-screen Qt window that paints one colour
// and writes "eerste frame" to stderr once that frame is painted, like the program does with
// ALFABO_MELD_EERSTE_FRAME. Started by bench_podium, not by bench/run-all.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class KaalVenster : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), QColor(40, 0, 0));
        if (m_gemeld)
            return;
        m_gemeld = true;
        QTimer::singleShot(0, [] {
            std::fputs("eerste frame\n", stderr);
            std::fflush(stderr);
        });
    }

private:
    bool m_gemeld = false;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    KaalVenster venster;
    venster.setWindowFlag(Qt::FramelessWindowHint);
    venster.showFullScreen();
    return app.exec();
}
