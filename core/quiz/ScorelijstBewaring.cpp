#include "core/quiz/ScorelijstBewaring.h"

#include <utility>

namespace core {

std::string nieuwScorelijstPad(const std::string &pad) { return pad + ".nieuw"; }

ScorelijstBewaring::ScorelijstBewaring(ScoreLijst &lijst, std::string pad)
    : m_lijst(lijst)
    , m_pad(std::move(pad))
    , m_doel(m_pad)
{}

std::string ScorelijstBewaring::laad()
{
    ReadFailure fout;
    m_doel = m_pad;
    if (m_lijst.LaadScorelijst(m_pad, &fout) || fout.kind == ReadFailure::Kind::Missing) {
        m_opSchijf = m_lijst.ascending();
        return {};
    }

    std::string melding =
        "De scorelijst " + m_pad + " kon niet worden gelezen: " + fout.reason + ".\r\nDie lijst blijft zoals hij is.";
    const std::string nieuw = nieuwScorelijstPad(m_pad);
    ReadFailure nieuwFout;
    if (m_lijst.LaadScorelijst(nieuw, &nieuwFout) || nieuwFout.kind == ReadFailure::Kind::Missing) {
        m_doel = nieuw;
        melding += " De nieuwe scores worden bewaard in " + nieuw + ".";
    } else {
        m_doel.clear();
        melding += " Ook " + nieuw + " kon niet worden gelezen (" + nieuwFout.reason
            + "): de nieuwe scores worden niet opgeslagen.";
    }
    m_opSchijf = m_lijst.ascending();
    return melding;
}

std::string ScorelijstBewaring::bewaar(Moment moment)
{
    if (m_lijst.ascending() == m_opSchijf)
        return {};
    const std::string gevolg = moment == Moment::NaSpel ? "De scores blijven bewaard zolang het programma open is."
                                                        : "De nieuwe scores gaan verloren.";
    if (m_doel.empty())
        return "De scorelijst " + m_pad + " kon niet worden gelezen en wordt daarom niet overschreven.\r\n" + gevolg;
    std::string fout;
    if (!m_lijst.BewaarScorelijst(m_doel, &fout))
        return "De scorelijst kon niet worden opgeslagen in " + m_doel + ":\r\n" + fout + "\r\n" + gevolg;
    m_opSchijf = m_lijst.ascending();
    return {};
}

} // namespace core
