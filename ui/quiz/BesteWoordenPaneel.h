#pragma once

#include "core/quiz/BesteWoorden.h"

#include <QWidget>

#include <set>
#include <string>
#include <vector>

namespace ui {

// After a quiz game, over the wheel: the best words the 12 letters allowed, with their
// points, those the player found marked "V" and picked out in yellow. Large enough to be
// read from the back of a hall; the player's own list and score stay in view beside it.
class BesteWoordenPaneel : public QWidget
{
    Q_OBJECT

public:
    explicit BesteWoordenPaneel(QWidget *parent);

    // `gevonden`: the words the player found, in upper case.
    void toon(std::vector<core::BestWoord> woorden, std::set<std::string> gevonden);

    const std::vector<core::BestWoord> &woorden() const { return m_woorden; }
    bool isGevonden(const core::BestWoord &woord) const { return m_gevonden.count(woord.woord) > 0; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<core::BestWoord> m_woorden;
    std::set<std::string> m_gevonden;
};

} // namespace ui
