#include "core/bingo/BingoRonde.h"

#include "core/Algemeen.h"
#include "core/bingo/BingoWeergave.h"
#include "core/bingo/BordPositie.h"
#include "core/bingo/LetterRad.h"
#include "core/RandomSource.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace core {
namespace {

// With a sound generator a free letter turns up within a few dozen attempts. Should a
// generator get stuck on taken letters, the draw still ends after this many.
constexpr int MaxPogingen = 10000;

// Clears the busy flag however the draw ends.
class BezigVlag
{
public:
    explicit BezigVlag(bool &vlag)
        : m_vlag(vlag)
    {
        m_vlag = true;
    }
    ~BezigVlag() { m_vlag = false; }
    BezigVlag(const BezigVlag &) = delete;
    BezigVlag &operator=(const BezigVlag &) = delete;

private:
    bool &m_vlag;
};

} // namespace

std::string beurtTekst(int letterTeller) { return "Letter : " + std::to_string(letterTeller); }

std::string rondeTekst(int rondeNummer) { return "Ronde : " + std::to_string(rondeNummer); }

std::string eindeRondeTekst(int rondeNummer)
{
    return "Einde van ronde " + std::to_string(rondeNummer) + ", klik op de button" + "\r\n"
        + "Nieuw voor een volgende ronde...";
}

BingoRonde::BingoRonde(Algemeen &state, RandomSource &random, BingoWeergave &weergave)
    : m_state(state)
    , m_random(random)
    , m_weergave(weergave)
{}

void BingoRonde::TrekLetter()
{
    if (m_bezig)
        return;

    // The counter is one byte; it stays at its top instead of wrapping to 0, which would
    // open the finished round again.
    if (m_state.LetterTeller < std::numeric_limits<std::uint8_t>::max())
        ++m_state.LetterTeller;
    m_weergave.toonBeurt(beurtTekst(m_state.LetterTeller));

    if (m_state.LetterTeller > AantalLetters) {
        m_weergave.toonEindeRonde(EindeRondeTitel, eindeRondeTekst(m_state.RondeNummer));
        return;
    }

    const BezigVlag vlag(m_bezig);
    m_weergave.begintTrekking();
    m_weergave.DraaiRondgang();
    const int letter = kiesLetter();
    m_state.Getrokken[std::size_t(letter)] = 1;
    m_volgorde.push_back(letter);
    m_weergave.DraaiNaar(letter);
    m_weergave.DrukLetter(bordAfdruk(m_state, letter));
    schuifBordPositie(m_state);
    m_weergave.eindigtTrekking();
}

int BingoRonde::kiesLetter()
{
    int letter = 1;
    for (int poging = 0; poging < MaxPogingen; ++poging) {
        m_random.reseed();
        letter = m_random.nextInRange(AantalLetters);
        if (m_state.Getrokken[std::size_t(letter)] == 0)
            return letter;
    }

    // A stuck generator: take one of the free letters by one more number.
    std::vector<int> vrij;
    for (int i = 1; i <= AantalLetters; ++i)
        if (m_state.Getrokken[std::size_t(i)] == 0)
            vrij.push_back(i);
    if (vrij.empty()) // only when Getrokken was changed behind the round's back
        return letter;
    m_random.reseed();
    return vrij[std::size_t(m_random.nextInRange(int(vrij.size())) - 1)];
}

bool BingoRonde::NieuweRonde()
{
    if (m_bezig)
        return false;

    m_weergave.WisBord();
    zetBordStart(m_state);
    ++m_state.RondeNummer;
    m_weergave.toonRonde(rondeTekst(m_state.RondeNummer));
    m_state.LetterTeller = 0;
    m_weergave.toonBeurt(beurtTekst(1));
    m_state.Getrokken.fill(0);
    m_volgorde.clear();
    return true;
}

RondeStand BingoRonde::stand() const { return {m_state.RondeNummer, m_state.LetterTeller, m_volgorde}; }

void BingoRonde::herstel(const RondeStand &stand)
{
    m_weergave.WisBord();
    zetBordStart(m_state);
    m_state.RondeNummer = std::int16_t(stand.ronde);
    m_weergave.toonRonde(rondeTekst(m_state.RondeNummer));
    m_state.Getrokken.fill(0);
    m_volgorde.clear();
    for (const int letter : stand.letters) {
        // The board position moves on by the counter, as during the draws.
        m_state.LetterTeller = std::uint8_t(m_volgorde.size() + 1);
        m_state.Getrokken[std::size_t(letter)] = 1;
        m_volgorde.push_back(letter);
        m_weergave.DrukLetter(bordAfdruk(m_state, letter));
        schuifBordPositie(m_state);
    }
    m_state.LetterTeller = std::uint8_t(stand.teller);
    m_weergave.toonBeurt(beurtTekst(std::max(1, stand.teller)));
}

void BingoRonde::startNaOpstarten()
{
    NieuweRonde();
    m_state.RondeNummer = 1;
    m_state.LetterTeller = 0;
    m_state.Getrokken.fill(0);
    m_weergave.toonRonde(rondeTekst(1));
    m_weergave.toonBeurt(beurtTekst(1));
}

} // namespace core
