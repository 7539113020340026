#include "ui/toolkit/DialoogTonen.h"

#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace ui {

namespace {

qreal gSchaal = 1.0;
QPointer<QWidget> gPodium;

// Qt embeds a window made over a window on a stage in the stage's scene (modal there, and so
// out of reach).
void haalUitScene(QWidget &venster)
{
    if (QGraphicsProxyWidget *ingebed = venster.graphicsProxyWidget()) {
        ingebed->setWidget(nullptr);
        delete ingebed;
    }
}

} // namespace

void zetPodiumStand(qreal schaal, QWidget *podium)
{
    gSchaal = schaal > 0 ? schaal : 1.0;
    gPodium = podium;
}

qreal podiumSchaal() { return gSchaal; }

int toonDialoog(QDialog &dialoog)
{
    if (std::abs(gSchaal - 1.0) < 0.001 || !gPodium) {
        // Over a stage at 1:1 too, the dialog is a window of its own, not part of the stage.
        if (gPodium) {
            haalUitScene(dialoog);
            dialoog.setWindowFlag(Qt::BypassGraphicsProxyWidget);
        }
        return dialoog.exec();
    }

    // A modal window of the scaled size holds the dialog in a view that scales it; the
    // dialog itself is not modal but only reachable through it.
    // Not a child of the stage, which may be replaced while a dialog is open.
    QDialog omhulsel(nullptr, (dialoog.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    omhulsel.setWindowModality(Qt::ApplicationModal);
    omhulsel.winId();
    if (gPodium->windowHandle())
        omhulsel.windowHandle()->setTransientParent(gPodium->windowHandle());
    omhulsel.setObjectName(dialoog.objectName() + QStringLiteral("Podium"));
    omhulsel.setWindowTitle(dialoog.windowTitle());
    omhulsel.setWindowIcon(dialoog.windowIcon());
    auto *layout = new QVBoxLayout(&omhulsel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *view = new QGraphicsView(&omhulsel);
    layout->addWidget(view);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view->setRenderHint(QPainter::SmoothPixmapTransform);
    view->setTransform(QTransform::fromScale(gSchaal, gSchaal));
    auto *scene = new QGraphicsScene(view);
    view->setScene(scene);

    QWidget *ouder = dialoog.parentWidget();
    const Qt::WindowFlags vlaggen = dialoog.windowFlags();
    haalUitScene(dialoog);
    dialoog.setParent(nullptr, vlaggen);
    if (dialoog.layout())
        dialoog.adjustSize();
    QGraphicsProxyWidget *proxy = scene->addWidget(&dialoog);
    // The window manager draws the frame and title bar around the window that holds it.
    proxy->setWindowFlags(Qt::Widget);
    const auto pasMaatAan = [&] {
        proxy->setPos(0, 0);
        const QRectF vlak(QPointF(0, 0), QSizeF(dialoog.size()));
        scene->setSceneRect(vlak);
        const QSize maat(int(std::ceil(vlak.width() * gSchaal)), int(std::ceil(vlak.height() * gSchaal)));
        omhulsel.setFixedSize(maat);
        // The stage fills its screen, or is the window the operator made of it.
        omhulsel.move(gPodium->geometry().center() - QPoint(maat.width() / 2, maat.height() / 2));
    };
    QObject::connect(proxy, &QGraphicsWidget::geometryChanged, &omhulsel, pasMaatAan);
    QObject::connect(&dialoog, &QDialog::finished, &omhulsel, &QDialog::done);
    dialoog.show();
    pasMaatAan();
    proxy->setFocus();
    omhulsel.exec();
    // Closed by the window manager: the dialog closes the way its own close button does.
    if (dialoog.isVisible())
        dialoog.close();
    proxy->setWidget(nullptr);
    dialoog.setParent(ouder, vlaggen);
    return dialoog.result();
}

} // namespace ui
