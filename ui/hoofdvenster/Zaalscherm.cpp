#include "ui/hoofdvenster/Zaalscherm.h"

#include "core/Schermpassing.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/MenuBalk.h"

#include <QScreen>
#include <QWindow>

namespace ui {

Zaalscherm::Zaalscherm(Main &main, QGraphicsScene &scene)
    : QGraphicsView(&scene)
    , m_main(main)
{
    setObjectName(QStringLiteral("Zaalscherm"));
    setWindowTitle(QStringLiteral("Alfabo Lotto - zaal"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(Qt::black);
    setRenderHint(QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    // Only to be watched: no pointer, no clicks or keys reach the game through it.
    setInteractive(false);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setCursor(Qt::BlankCursor);
    setCursor(Qt::BlankCursor);
    connect(&scene, &QGraphicsScene::sceneRectChanged, this, &Zaalscherm::pasAan);
}

void Zaalscherm::toonOp(QScreen *scherm)
{
    if (isFullScreen() && windowHandle() && windowHandle()->screen() != scherm)
        showNormal();
    setGeometry(scherm->geometry());
    if (!windowHandle())
        create();
    windowHandle()->setScreen(scherm);
    // Shown without taking the focus from the operator's window (showFullScreen would).
    setWindowState(windowState() | Qt::WindowFullScreen);
    show();
    pasAan();
}

void Zaalscherm::zetZwart(bool zwart)
{
    m_zwart = zwart;
    viewport()->update();
}

QRectF Zaalscherm::getoondDeel() const
{
    QRectF deel = scene()->sceneRect();
    deel.setTop(m_main.menuPic()->geometry().bottom() + 1);
    return deel;
}

void Zaalscherm::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    pasAan();
}

void Zaalscherm::drawForeground(QPainter *painter, const QRectF &rect)
{
    if (m_zwart) {
        painter->fillRect(rect, Qt::black);
        return;
    }
    // The menu bar is the operator's.
    const QRectF stage = scene()->sceneRect();
    painter->fillRect(QRectF(stage.left(), stage.top(), stage.width(), getoondDeel().top() - stage.top()), Qt::black);
}

void Zaalscherm::pasAan()
{
    // Scaled as the stage scales the design to a screen, so that on a screen of the stage's size
    // every picture drawn for the stage serves here as it is.
    const qreal schaal = core::pasOntwerpOp(viewport()->width(), viewport()->height()).schaal;
    setTransform(QTransform::fromScale(schaal, schaal));
    centerOn(getoondDeel().center());
}

} // namespace ui
