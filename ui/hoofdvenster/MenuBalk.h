#pragma once

#include "ui/toolkit/TekenPaneel.h"

#include <map>

namespace widgets {
class VistaButton;
}

namespace ui {

// The menu bar's actions; the value is the number of the button `Knop`(n) and its place in the bar.
enum class MenuActie {
    NieuweRonde = 1,
    Scorelijst = 2,
    MeerSoftware = 3,
    SpelSoort = 4,
    Instellingen = 5,
    Afdrukken = 6,
    Zaalscherm = 7, // shown only with two or more screens
    Woordenlijst = 8,
    Help = 9,
    KaartControleren = 10,
};

// `MenuPic`: the grey bar of icon buttons at the top of the main window. `Knop`(1) to (6),
// (8) and (9) are the menu actions; `AboutKnop` and `ExitKnop` stand at the right end.
class MenuBalk : public TekenPaneel
{
    Q_OBJECT

public:
    // width in pixels: the main window's width less the bar's margins.
    explicit MenuBalk(QWidget *parent = nullptr);

    // Places the bar for a background of the given pixel width, with its border and buttons.
    void legUit(int breedte);

    widgets::VistaButton *knop(MenuActie actie) const;
    widgets::VistaButton *aboutKnop() const { return m_aboutKnop; }
    widgets::VistaButton *exitKnop() const { return m_exitKnop; }

signals:
    void knopGeklikt(ui::MenuActie actie);
    void aboutGeklikt();
    void exitGeklikt();

private:
    widgets::VistaButton *maakKnop(const QString &naam, const QString &icoon, const QString &tooltip);

    std::map<MenuActie, widgets::VistaButton *> m_knoppen;
    widgets::VistaButton *m_aboutKnop = nullptr;
    widgets::VistaButton *m_exitKnop = nullptr;
};

} // namespace ui
