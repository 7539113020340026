#include "ui/hoofdvenster/Podium.h"

#include "core/Schermpassing.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/toolkit/DialoogTonen.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace ui {

QScreen *schermMetNaam(const QString &naam)
{
    for (QScreen *scherm : QGuiApplication::screens()) {
        if (!naam.isEmpty() && scherm->name() == naam)
            return scherm;
    }
    return QGuiApplication::primaryScreen();
}

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

    connect(qGuiApp, &QGuiApplication::screenAdded, this, &Podium::schermenVeranderd);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &Podium::schermenVeranderd);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &Podium::schermenVeranderd);
}

Podium::~Podium()
{
    zetPodiumStand(1.0, nullptr);
    m_main.zetVenster(nullptr);
    m_proxy->setWidget(nullptr);
}

void Podium::zetGekozenScherm(const QString &naam)
{
    m_gekozenNaam = naam;
    m_scherm = schermMetNaam(naam);
}

QScreen *Podium::gekozenScherm() const { return m_scherm; }

void Podium::toon()
{
    if (!m_scherm)
        m_scherm = schermMetNaam(m_gekozenNaam);
    if (m_scherm) {
        // Leaving full screen first lets the window manager move it to the other screen.
        if (isFullScreen() && windowHandle() && windowHandle()->screen() != m_scherm)
            showNormal();
        setGeometry(m_scherm->geometry());
        if (windowHandle())
            windowHandle()->setScreen(m_scherm);
    }
    showFullScreen();
}

void Podium::schermenVeranderd()
{
    // A screen that went away is already gone from the list; the chosen one may have come back.
    // Qt finishes moving windows off a removed screen after this signal, so the stage follows
    // a moment later.
    QTimer::singleShot(0, this, [this] {
        QScreen *voorkeur = schermMetNaam(m_gekozenNaam);
        if (voorkeur == m_scherm && m_scherm && geometry() == m_scherm->geometry())
            return;
        m_scherm = voorkeur;
        if (isVisible() && isFullScreen())
            toon();
    });
}

void Podium::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    pasAan();
}

void Podium::pasAan()
{
    const core::Schermpassing passing = core::pasOntwerpOp(viewport()->width(), viewport()->height());
    m_main.pasMaatAan(QSize(passing.breedte, passing.hoogte), true);
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
