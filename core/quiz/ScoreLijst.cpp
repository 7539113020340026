#include "core/quiz/ScoreLijst.h"

#include "core/bestanden/DelimitedText.h"
#include "core/bestanden/FileIo.h"
#include "core/bestanden/Instellingen.h"
#include "core/bestanden/LetterCase.h"
#include "core/bestanden/Windows1252.h"

#include <algorithm>
#include <optional>

namespace core {
namespace {

struct Score {
    bool negative;
    std::string_view digits; // without leading zeros; empty for zero
    std::string_view naam;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<Score> leesScore(std::string_view entry)
{
    std::size_t i = 0;
    const bool minus = !entry.empty() && entry[0] == '-';
    if (minus)
        ++i;
    const std::size_t first = i;
    while (i < entry.size() && isDigit(entry[i]))
        ++i;
    if (i == first || entry.substr(i, 3) != " - ")
        return std::nullopt;
    std::string_view digits = entry.substr(first, i - first);
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    return Score{minus && !digits.empty(), digits, entry.substr(i + 3)};
}

// Compares two scores as numbers of any length, without converting them.
int compareScores(const Score &a, const Score &b)
{
    if (a.negative != b.negative)
        return a.negative ? -1 : 1;
    int order = 0;
    if (a.digits.size() != b.digits.size())
        order = a.digits.size() < b.digits.size() ? -1 : 1;
    else
        order = a.digits.compare(b.digits) < 0 ? -1 : (a.digits == b.digits ? 0 : 1);
    return a.negative ? -order : order;
}

struct ScoreRegelLess {
    bool operator()(std::string_view a, std::string_view b) const { return compareScoreRegels(a, b) < 0; }
};

} // namespace

int compareScoreRegels(std::string_view a, std::string_view b)
{
    const auto scoreA = leesScore(a);
    const auto scoreB = leesScore(b);
    if (scoreA && scoreB) {
        if (const int order = compareScores(*scoreA, *scoreB))
            return order;
        if (const int order = compareIgnoringCase(scoreA->naam, scoreB->naam))
            return order;
    } else if (scoreA || scoreB) {
        return scoreA ? 1 : -1;
    }
    return compareIgnoringCase(a, b);
}

std::string ScoreRegel(std::int32_t score, std::string_view naam)
{
    const std::int64_t value = score;
    const std::string digits = std::to_string(value < 0 ? -value : value);
    const std::size_t width = value < 0 ? 3 : 4;
    std::string entry = value < 0 ? "-" : "";
    if (digits.size() < width)
        entry.append(width - digits.size(), '0');
    entry += digits;
    entry += " - ";
    entry += naam;
    return entry;
}

bool ScoreLijst::LaadScorelijst(const std::string &path, ReadFailure *failure)
{
    m_entries.clear();
    const auto bytes = readFile(path, failure);
    if (!bytes)
        return false;

    const std::string text = vanBestandsTekst(*bytes);
    DelimitedReader reader(text);
    if (!reader.readField() || !reader.readField())
        return true;
    while (auto field = reader.readField()) {
        if (!field->empty())
            m_entries.push_back(std::move(*field));
    }
    // A stable sort keeps equal entries in file order, as they were saved.
    std::stable_sort(m_entries.begin(), m_entries.end(), ScoreRegelLess());
    return true;
}

bool ScoreLijst::BewaarScorelijst(const std::string &path, std::string *error) const
{
    DelimitedWriter writer;
    writer.writeText(MakerRegel);
    writer.endLine();
    writer.writeText(StreepjesRegel);
    writer.endLine();
    for (const std::string &entry : m_entries) {
        writer.writeText(entry);
        writer.endLine();
    }
    return writeFileAtomically(path, naarWindows1252(writer.text()), error);
}

std::string ScoreLijst::VoegScoreToe(std::int32_t score, std::string_view naam)
{
    std::string entry = ScoreRegel(score, naam);
    const auto place = std::upper_bound(m_entries.begin(), m_entries.end(), entry, ScoreRegelLess());
    m_entries.insert(place, entry);
    return entry;
}

bool ScoreLijst::remove(std::string_view entry)
{
    const auto found = std::find(m_entries.begin(), m_entries.end(), entry);
    if (found == m_entries.end())
        return false;
    m_entries.erase(found);
    return true;
}

void ScoreLijst::removeAll() { m_entries.clear(); }

std::vector<std::string> ScoreLijst::descending() const { return {m_entries.rbegin(), m_entries.rend()}; }

} // namespace core
