#pragma once

#include <QGraphicsView>

class QGraphicsProxyWidget;

namespace ui {

class Main;

// The stage the main window stands on. Fitted to the screen, the whole design is scaled
// uniformly to the stage's size (full screen or a window), the wheel and the board in the
// middle, the menu bar, the borders and the clock along the edges. Everything is drawn at the
// screen's own resolution.
class Podium : public QGraphicsView
{
    Q_OBJECT

public:
    explicit Podium(Main &main, QWidget *parent = nullptr);
    // The main window is handed back, not deleted with the stage.
    ~Podium() override;

    qreal schaal() const { return transform().m11(); }
    // Fitted (the default) or 1:1 at the top left, scrolling on a screen smaller than the design.
    void zetPassend(bool passend);
    bool isPassend() const { return m_passend; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void pasAan();

    Main &m_main;
    QGraphicsProxyWidget *m_proxy = nullptr;
    bool m_passend = true;
};

} // namespace ui
