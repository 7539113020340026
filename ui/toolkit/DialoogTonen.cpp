#include "ui/toolkit/DialoogTonen.h"

#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

namespace ui {

namespace {

qreal gSchaal = 1.0;
QPointer<QWidget> gPodium;

} // namespace

void zetPodiumStand(qreal schaal, QWidget *podium)
{
    gSchaal = schaal > 0 ? schaal : 1.0;
    gPodium = podium;
}

qreal podiumSchaal() { return gSchaal; }

int toonDialoog(QDialog &dialoog)
{
    if (std::abs(gSchaal - 1.0) < 0.001 || !gPodium)
        return dialoog.exec();

    // A modal window of the scaled size holds the dialog in a view that scales it; the
    // dialog itself is not modal but only reachable through it.
    QDialog omhulsel(gPodium, (dialoog.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
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

    // Qt embeds a window shown over a scaled window in that window's scene (modal there, and
    // so out of reach); this one is taken out of it and held on its own.
    QWidget *ouder = dialoog.parentWidget();
    const Qt::WindowFlags vlaggen = dialoog.windowFlags();
    if (QGraphicsProxyWidget *ingebed = dialoog.graphicsProxyWidget()) {
        ingebed->setWidget(nullptr);
        delete ingebed;
    }
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
        const QRect scherm = gPodium->screen() ? gPodium->screen()->geometry() : gPodium->geometry();
        omhulsel.move(scherm.center() - QPoint(maat.width() / 2, maat.height() / 2));
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
