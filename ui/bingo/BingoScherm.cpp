#include "ui/bingo/BingoScherm.h"

#include "core/bingo/LetterRad.h"
#include "ui/bingo/BingoBord.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/toolkit/Aanwijzer.h"
#include "ui/toolkit/Dialogen.h"
#include "ui/toolkit/Omgeving.h"
#include "widgets/VistaButton.h"

#include <QLabel>

namespace ui {

BingoScherm::BingoScherm(Omgeving &omgeving, LetterRadPaneel &rad, BingoBord &bord, QLabel &rondeLabel,
                         QLabel &beurtLabel, QWidget &venster)
    : m_omgeving(omgeving)
    , m_rad(rad)
    , m_bord(bord)
    , m_rondeLabel(rondeLabel)
    , m_beurtLabel(beurtLabel)
    , m_venster(venster)
{}

BingoScherm::~BingoScherm() = default;

void BingoScherm::toonBeurt(const std::string &tekst)
{
    m_beurtLabel.setText(QString::fromStdString(tekst));
    m_beurtLabel.adjustSize();
}

void BingoScherm::toonRonde(const std::string &tekst)
{
    m_rondeLabel.setText(QString::fromStdString(tekst));
    m_rondeLabel.adjustSize();
}

void BingoScherm::toonEindeRonde(const std::string &titel, const std::string &tekst)
{
    m_omgeving.dialogen.melding(&m_venster, QString::fromStdString(tekst), QString::fromStdString(titel));
}

void BingoScherm::begintTrekking()
{
    m_bezig = std::make_unique<BezigAanwijzer>();
    m_startHadFocus = m_bord.startKnop()->hasFocus();
    // Park the focus on the window: disabling would hand it to the next button, and a
    // space press meant for the start button would then press that one.
    if (m_startHadFocus)
        m_venster.setFocus(Qt::OtherFocusReason);
    m_bord.startKnop()->setEnabled(false);
}

void BingoScherm::eindigtTrekking()
{
    m_bezig.reset();
    m_bord.startKnop()->setEnabled(true);
    // Disabling moved the focus away; the space bar must keep drawing the next letter.
    if (m_startHadFocus)
        m_bord.startKnop()->setFocus(Qt::OtherFocusReason);
}

void BingoScherm::DraaiRondgang() { m_rad.speel(core::DraaiRondgangStappen(), m_omgeving.wachter); }

void BingoScherm::DraaiNaar(int letter) { m_rad.speel(core::DraaiNaarStappen(letter), m_omgeving.wachter); }

void BingoScherm::DrukLetter(const core::LetterAfdruk &afdruk) { m_bord.DrukLetter(afdruk); }

void BingoScherm::WisBord() { m_bord.WisBord(); }

} // namespace ui
