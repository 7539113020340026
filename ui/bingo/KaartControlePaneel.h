#pragma once

#include "core/kaarten/BingoKaart.h"
#include "core/kaarten/KaartControle.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>

namespace ui {

// A claimed card over the board, large enough to be read from the back of a hall: its letters
// drawn this round picked out, the others dim, the Free cells as printed, and the verdict in
// words under it. A click or Escape closes it; the board under it is not touched.
class KaartControlePaneel : public QWidget
{
    Q_OBJECT

public:
    explicit KaartControlePaneel(QWidget *parent);

    void toon(const QString &titel, const core::BingoKaart &kaart, const std::array<std::uint8_t, 28> &getrokken);
    void sluit();

    const core::KaartUitslag &uitslag() const { return m_uitslag; }
    // The verdict as shown: "Volle kaart!" or the missing letters, then the full lines.
    QStringList uitslagRegels() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_titel;
    core::BingoKaart m_kaart{1, 1};
    std::array<std::uint8_t, 28> m_getrokken{};
    core::KaartUitslag m_uitslag;
    QImage m_free;
};

} // namespace ui
