#pragma once

#include "ui/toolkit/Voorkeuren.h"

#include <QObject>
#include <QPointer>
#include <QScreen>

#include <memory>

namespace ui {

class Main;
class Podium;

// How the main window is on the screen: on a stage, fitted or 1:1, full screen on the screen
// the operator chose (by name; the primary screen while that one is not connected). It follows
// screens that are connected or disconnected during play; the game itself is not touched.
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
    // The window the operator sees: the stage or the main window itself.
    QWidget *venster() const;

private:
    void schermenVeranderd();
    void plaatsOpScherm();

    Main &m_main;
    std::unique_ptr<Podium> m_podium;
    QString m_gekozenScherm;
    QPointer<QScreen> m_scherm;
};

// The connected screen with this name, otherwise the primary screen.
QScreen *schermMetNaam(const QString &naam);
// "name (width x height)", as the settings dialog lists a screen.
QString schermOmschrijving(const QScreen &scherm);

} // namespace ui
