#pragma once

#include "core/quiz/ScoreLijst.h"

#include <string>
#include <vector>

namespace core {

// Keeps the high-score history safe between the list in memory and its file.
//
// A list file that exists but cannot be read (another user's file, a folder, a read error)
// is never written over: the new scores of the session go to a file beside it,
// "<file>.nieuw" (whose scores, when it is there already, are read in), and the operator is
// told once, at start, what was not read and why. A save is only made when the list
// differs from what its file holds, so nothing is written for an unchanged list.
// Every failed save is told with what happens to the scores now.
class ScorelijstBewaring
{
public:
    enum class Moment {
        NaSpel,       // after a game: the scores stay in memory
        BijAfsluiten, // at a confirmed exit: the unsaved scores are lost
    };

    ScorelijstBewaring(ScoreLijst &lijst, std::string pad);

    // Reads the list; the message for the operator when the file was there but could not
    // be read, otherwise an empty text.
    std::string laad();

    // Saves the list when it changed; the message for the operator when that failed,
    // otherwise an empty text.
    std::string bewaar(Moment moment);

    // The file the list is saved to: the list's own file, or the one beside it.
    const std::string &doelPad() const { return m_doel; }

private:
    ScoreLijst &m_lijst;
    const std::string m_pad;
    std::string m_doel;
    std::vector<std::string> m_opSchijf; // the entries the target file holds
};

// The file beside an unreadable list that receives the new scores.
std::string nieuwScorelijstPad(const std::string &pad);

} // namespace core
