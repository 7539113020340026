#pragma once

#include "ui/toolkit/Voorkeuren.h"

#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QScreen>

#include <functional>
#include <memory>

namespace ui {

class Bedieningspaneel;
class Main;
class Podium;
class Zaalscherm;

// How the main window is on the screen: on a stage, fitted or 1:1, full screen on the screen
// the operator chose (by name; the primary screen while that one is not connected). It follows
// screens that are connected or disconnected during play; the game itself is not touched.
// With the hall's screen switched on and a second screen connected, the game is also shown
// full screen there (Zaalscherm), and the operator gets a panel of controls on its own screen;
// a hall's screen that is disconnected comes back on the same screen when it returns.
class Weergave : public QObject
{
    Q_OBJECT

public:
    // Lives shorter than the main window: it hands the window back when it ends.
    explicit Weergave(Main &main);
    ~Weergave() override;

    // Shows the window as these preferences say; again after they changed.
    void toon(const Voorkeuren &voorkeuren);

    Podium *podium() const { return m_podium.get(); }
    QScreen *scherm() const { return m_scherm; }
    // The hall's screen and the operator's panel beside it; null until first shown.
    Zaalscherm *zaalscherm() const { return m_zaal.get(); }
    Bedieningspaneel *bedieningspaneel() const { return m_paneel.get(); }
    // Where the screens are taken from (the application's, unless a test says otherwise), and
    // the reaction to screens coming and going.
    void zetSchermenBron(std::function<QList<QScreen *>()> bron) { m_schermen = std::move(bron); }
    void schermenVeranderd();
    // The window the operator sees: the stage or the main window itself.
    QWidget *venster() const;

private:
    void plaatsOpScherm();
    // The hall's screen on the chosen screen, or the first that is not the operator's; hidden
    // when it is off or there is no such screen.
    void plaatsZaalscherm();

    Main &m_main;
    std::unique_ptr<Podium> m_podium;
    QString m_gekozenScherm;
    QPointer<QScreen> m_scherm;
    bool m_zaalAan = false;
    QString m_gekozenZaal;
    std::unique_ptr<Zaalscherm> m_zaal;
    std::unique_ptr<Bedieningspaneel> m_paneel;
    std::function<QList<QScreen *>()> m_schermen = &QGuiApplication::screens;
};

// The connected screen with this name, otherwise the primary screen.
QScreen *schermMetNaam(const QString &naam);
// "name (width x height)", as the settings dialog lists a screen.
QString schermOmschrijving(const QScreen &scherm);

} // namespace ui
