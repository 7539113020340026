#pragma once

#include <QGraphicsView>
#include <QPointer>

class QGraphicsProxyWidget;
class QScreen;

namespace ui {

class Main;

// The stage the main window is shown on when it fits the screen: the whole design scaled
// uniformly to the window's size (full screen or not), the wheel and the board in the middle,
// the menu bar, the borders and the clock along the edges. Everything is drawn at the screen's
// own resolution. The screen it stands on follows the operator's choice by name, and it moves
// when screens come and go.
class Podium : public QGraphicsView
{
    Q_OBJECT

public:
    explicit Podium(Main &main, QWidget *parent = nullptr);
    // The main window is handed back, not deleted with the stage.
    ~Podium() override;

    // The screen the operator chose by name; the primary screen when there is none by that name.
    void zetGekozenScherm(const QString &naam);
    // Full screen on the chosen screen.
    void toon();
    qreal schaal() const { return transform().m11(); }
    QScreen *gekozenScherm() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void schermenVeranderd();
    void pasAan();

    Main &m_main;
    QGraphicsProxyWidget *m_proxy = nullptr;
    QString m_gekozenNaam;
    QPointer<QScreen> m_scherm;
};

// The screen with this name, otherwise the primary screen.
QScreen *schermMetNaam(const QString &naam);

} // namespace ui
