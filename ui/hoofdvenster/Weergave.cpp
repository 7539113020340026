#include "ui/hoofdvenster/Weergave.h"

#include "ui/hoofdvenster/Bedieningspaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/Podium.h"
#include "ui/hoofdvenster/Zaalscherm.h"

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

QString schermOmschrijving(const QScreen &scherm)
{
    return QStringLiteral("%1 (%2 x %3)").arg(scherm.name()).arg(scherm.size().width()).arg(scherm.size().height());
}

Weergave::Weergave(Main &main)
    : m_main(main)
{
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &Weergave::schermenVeranderd);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this](QScreen *weg) {
        // Off the hall at once: Qt would move the window onto the operator's screen.
        if (m_zaal && m_zaal->screen() == weg) {
            m_zaal->hide();
            m_paneel->hide();
        }
        schermenVeranderd();
    });
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &Weergave::schermenVeranderd);
}

Weergave::~Weergave()
{
    m_paneel.reset();
    m_zaal.reset(); // before the stage, whose scene it shows
}

QWidget *Weergave::venster() const
{
    if (m_podium)
        return m_podium.get();
    return &m_main;
}

void Weergave::toon(const Voorkeuren &voorkeuren)
{
    m_gekozenScherm = voorkeuren.beeldscherm;
    m_scherm = schermMetNaam(m_gekozenScherm);
    if (!m_podium) {
        m_podium = std::make_unique<Podium>(m_main);
        m_main.show(); // on the stage
    }
    m_podium->zetPassend(voorkeuren.passendOpScherm);
    plaatsOpScherm();
    m_zaalAan = voorkeuren.zaalschermAan;
    m_gekozenZaal = voorkeuren.zaalscherm;
    plaatsZaalscherm();
}

void Weergave::plaatsZaalscherm()
{
    QScreen *zaal = nullptr;
    for (QScreen *scherm : m_schermen()) {
        if (scherm != m_scherm && (!zaal || scherm->name() == m_gekozenZaal))
            zaal = scherm;
    }
    if (!m_zaalAan || !zaal) {
        if (m_zaal) {
            m_zaal->hide();
            m_paneel->hide();
        }
        return;
    }
    if (!m_zaal) {
        m_zaal = std::make_unique<Zaalscherm>(m_main, *m_podium->scene());
        m_paneel = std::make_unique<Bedieningspaneel>(m_main, *m_zaal);
    }
    m_gekozenZaal = zaal->name(); // it comes back there when it was disconnected
    m_zaal->toonOp(zaal);
    m_paneel->plaatsOp(m_scherm ? m_scherm->geometry() : venster()->geometry());
    m_paneel->show();
    m_paneel->raise();
}

void Weergave::plaatsOpScherm()
{
    QWidget *venster = this->venster();
    if (m_scherm) {
        // Leaving full screen first lets the window go to the other screen.
        if (venster->isFullScreen() && venster->windowHandle() && venster->windowHandle()->screen() != m_scherm)
            venster->showNormal();
        venster->setGeometry(m_scherm->geometry());
        if (venster->windowHandle())
            venster->windowHandle()->setScreen(m_scherm);
    }
    venster->showFullScreen();
    venster->raise();
    venster->activateWindow();
}

void Weergave::schermenVeranderd()
{
    // Qt moves windows off a removed screen after this signal; the window follows a moment later.
    QTimer::singleShot(0, this, [this] {
        plaatsZaalscherm();
        QScreen *voorkeur = schermMetNaam(m_gekozenScherm);
        if (!voorkeur || (voorkeur == m_scherm && venster()->geometry() == voorkeur->geometry()))
            return;
        m_scherm = voorkeur;
        if (venster()->isFullScreen() || !venster()->isVisible())
            plaatsOpScherm();
    });
}

} // namespace ui
