#pragma once

#include "ui/toolkit/TekenPaneel.h"

#include <map>

namespace widgets {
class VistaButton;
}

namespace ui {

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

    widgets::VistaButton *knop(int index) const;
    widgets::VistaButton *aboutKnop() const { return m_aboutKnop; }
    widgets::VistaButton *exitKnop() const { return m_exitKnop; }

signals:
    void knopGeklikt(int index);
    void aboutGeklikt();
    void exitGeklikt();

private:
    widgets::VistaButton *maakKnop(const QString &naam, const QString &icoon, const QString &tooltip);

    std::map<int, widgets::VistaButton *> m_knoppen;
    widgets::VistaButton *m_aboutKnop = nullptr;
    widgets::VistaButton *m_exitKnop = nullptr;
};

} // namespace ui
