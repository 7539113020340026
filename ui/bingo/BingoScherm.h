#pragma once

#include "core/bingo/BingoWeergave.h"

#include <memory>

class QLabel;
class QWidget;

namespace ui {

class BezigAanwijzer;
class BingoBord;
class LetterRadPaneel;
struct Omgeving;

// Shows the bingo round on the main window: the wheel runs, the board, the round and turn
// labels and the end-of-round message.
class BingoScherm : public core::BingoWeergave
{
public:
    BingoScherm(Omgeving &omgeving, LetterRadPaneel &rad, BingoBord &bord, QLabel &rondeLabel, QLabel &beurtLabel,
                QWidget &venster);
    ~BingoScherm() override;

    void toonBeurt(const std::string &tekst) override;
    void toonRonde(const std::string &tekst) override;
    void toonEindeRonde(const std::string &titel, const std::string &tekst) override;
    void begintTrekking() override;
    void eindigtTrekking() override;
    void DraaiRondgang() override;
    void DraaiNaar(int letter) override;
    void DrukLetter(const core::LetterAfdruk &afdruk) override;
    void WisBord() override;

private:
    Omgeving &m_omgeving;
    LetterRadPaneel &m_rad;
    BingoBord &m_bord;
    QLabel &m_rondeLabel;
    QLabel &m_beurtLabel;
    QWidget &m_venster;
    std::unique_ptr<BezigAanwijzer> m_bezig;
    bool m_startHadFocus = false;
};

} // namespace ui
