#pragma once

#include "core/bestanden/FileIo.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The file in the folder Data beside the program.
inline constexpr const char *ScorelijstBestand = "Scorelijst.lib";

// The high-score list of the word quiz: one entry per finished game, score and name as
// one text ("0123 - Twee"), kept in ascending order (compareScoreRegels): ascending
// score, equal scores ordered by name ignoring letter case. Equal entries are all kept
// and no entry is ever dropped.
//
// On disk (Windows-1252, CR LF) the maker line and the dash line come first, then every
// entry in ascending order, each as one quoted field; a double quote inside a name is
// written doubled, so every name reads back as it was.
//
// The list lives as long as the program: loaded at start-up, saved after every game
// (VoegScoreToe, then BewaarScorelijst) and at a confirmed exit.
class ScoreLijst
{
public:
    // Replaces the list with the entries of the file: the two header fields are skipped
    // whatever they hold, every further non-empty field is an entry. A missing or
    // unreadable file leaves the list empty and returns false, with the reason in *failure.
    bool LaadScorelijst(const std::string &path, ReadFailure *failure = nullptr);

    // Writes the file anew. The old file is replaced only by a complete new one, so a
    // failed save (read-only folder, full disk) keeps it whole; the reason then goes to
    // *error and false is returned. The list itself never changes here.
    bool BewaarScorelijst(const std::string &path, std::string *error = nullptr) const;

    // Puts ScoreRegel(score, naam) in its sorted place, after any equal entries, and
    // returns it. Saving is left to the caller.
    std::string VoegScoreToe(std::int32_t score, std::string_view naam);

    // Removes the first entry whose text equals entry exactly; false when there is none.
    bool remove(std::string_view entry);
    void removeAll();

    const std::vector<std::string> &ascending() const { return m_entries; }
    // Highest score first, as the high-score dialog shows it.
    std::vector<std::string> descending() const;
    std::size_t count() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.empty(); }

private:
    std::vector<std::string> m_entries;
};

// One entry: the score padded on the left with zeros to four digits (more digits are
// written in full), " - ", then the name exactly as given, blanks included.
// A negative score keeps its minus sign in front of the zeros ("-005"), so the score
// still fills four characters and sorts below every score of zero and more.
std::string ScoreRegel(std::int32_t score, std::string_view naam);

// The order of the list, < 0, 0 or > 0. For the usual four-digit scores this is the text
// order ignoring letter case; the score is compared as a number, so a score of five
// digits stands above 9999 and -42 below -5. Entries that do not start with a score
// ("<digits> - ", read from a damaged file) come before all others, in text order.
int compareScoreRegels(std::string_view a, std::string_view b);

} // namespace core
