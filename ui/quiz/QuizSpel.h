#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace ui {

class Main;
class QuizScherm;
struct Omgeving;

// One game of the word quiz on the quiz screen, from the start button to the high-score
// dialog:
//   1. startSpel: the name is asked; an empty name ends the start silently. The panel is
//      reset, the start button and the entry box are disabled and TrekQuizLetters draws
//      the 12 letters on the wheel (about 53 seconds, with the busy pointer).
//   2. The entry box opens (yellow, focused) and `Timer2` ticks once a second (tik); each
//      Enter hands a word to woordIngevoerd.
//   3. At 0 seconds the box closes, the words are looked up and scored, the start button is
//      enabled again, the score goes into the high-score list and its file, and after a
//      2-second pause the high-score dialog is shown.
// Only one game runs at a time: a start during a game is ignored, also during the pause and
// the dialog at its end. stopAftellen gives a running game up without recording it.
class QuizSpel
{
public:
    enum class Fase {
        Rust,     // no game: the start button works
        Trekken,  // the letters are being drawn
        Aftellen, // the countdown runs, words are typed
        Afronden, // checking, recording, the pause and the high-score dialog
    };

    // A game's letters: drawn anew with the wheel, or those of the game before (shown at
    // once), so that players of one evening can compete on equal terms.
    enum class Letters {
        Nieuw,
        Dezelfde,
    };

    QuizSpel(Main &main, QuizScherm &scherm);

    void startSpel(Letters letters = Letters::Nieuw);
    void tik();
    void woordIngevoerd();
    void toonLetterWaarde();
    void stopAftellen();

    // The 12 letters with the wheel; false when the game was given up meanwhile.
    bool TrekQuizLetters();
    // Looks every listed word up and scores it; QuizScore and BottomLabel2 are final after it.
    void ControleerWoorden();
    // Whether the next game can be played on the letters of the last one.
    bool heeftVorigeLetters() const;

    void setToonScoreLijst(std::function<void()> toon) { m_toonScoreLijst = std::move(toon); }
    Fase fase() const { return m_fase; }

private:
    void zetPaneelKlaar();
    void toonVorigeLetters(const std::array<std::string, 13> &letters);
    void toonBesteWoorden();
    // Enables the start buttons as the phase allows.
    void werkKnoppenBij();
    // Takes the focus from a control about to be disabled, so that Qt does not hand it on
    // to the "Waarde" button, where a stray space bar would open the letter values.
    void neemFocusVan(QWidget *control);
    void openInvoer();
    void sluitInvoer();
    void eindeSpel();
    void geefOp();
    // Whether a game must stop after a wait: the program is ending, or stopAftellen gave
    // the game up. (Whether the screen itself still exists the caller asks first.)
    bool moetStoppen() const;

    Main &m_main;
    Omgeving &m_omgeving;
    QuizScherm &m_scherm;
    Fase m_fase = Fase::Rust;
    bool m_opgegeven = false;
    std::function<void()> m_toonScoreLijst;
};

} // namespace ui
