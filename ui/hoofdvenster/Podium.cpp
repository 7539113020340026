#include "ui/hoofdvenster/Podium.h"

#include "core/Schermpassing.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/toolkit/DialoogTonen.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>

namespace ui {

Podium::Podium(Main &main, QWidget *parent)
    : QGraphicsView(parent)
    , m_main(main)
{
    setObjectName(QStringLiteral("Podium"));
    setWindowTitle(main.windowTitle());
    setWindowFlag(Qt::FramelessWindowHint);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(QColor(40, 0, 0));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHint(QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setCursor(main.cursor());

    auto *scene = new QGraphicsScene(this);
    m_proxy = scene->addWidget(&main, Qt::Widget);
    m_proxy->setPos(0, 0);
    setScene(scene);
    main.zetVenster(this);
}

Podium::~Podium()
{
    zetPodiumStand(1.0, nullptr);
    m_main.zetVenster(nullptr);
    m_main.zetSchaal(1.0);
    m_proxy->setWidget(nullptr);
}

void Podium::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    pasAan();
}

void Podium::zetPassend(bool passend)
{
    m_passend = passend;
    pasAan();
}

void Podium::pasAan()
{
    const core::Schermpassing passing = m_passend ? core::pasOntwerpOp(viewport()->width(), viewport()->height())
                                                  : core::Schermpassing{1.0, viewport()->width(), viewport()->height()};
    m_main.pasMaatAan(QSize(passing.breedte, passing.hoogte), m_passend);
    m_proxy->setPos(0, 0);
    scene()->setSceneRect(0, 0, passing.breedte, passing.hoogte);
    setTransform(QTransform::fromScale(passing.schaal, passing.schaal));
    zetPodiumStand(passing.schaal, this);
    m_main.zetSchaal(passing.schaal);
}

void Podium::closeEvent(QCloseEvent *event)
{
    // Closing the stage (the window manager, Alt+F4) asks like the exit button does.
    if (m_main.isAfgesloten() || m_main.close())
        event->accept();
    else
        event->ignore();
}

} // namespace ui
