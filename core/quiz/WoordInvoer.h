#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// Checks a word typed in the quiz before it joins the list of entered words. Whether
// the word is Dutch is decided only when the time is up (WoordScore.h).
//
// In order:
//   1. Fewer than 2 characters: too short. This counts the text as typed, blanks
//      included, and also the word without its outer blanks, so " a" or blanks alone
//      never become a word.
//   2. The word, upper case, equals a word of the list (upper case): a repetition.
//   3. Each character of the word must take a letter of its own from the 12 drawn
//      letters; anything else (a letter drawn too few times, a digit, an accented
//      letter, a hyphen, a blank inside) leaves the word out without a message.
// An accepted word is stored without its outer blanks, in the case it was typed.

enum class InvoerUitslag {
    TeKort,                 // message TeKortMelding; the text stays in the box
    AlInLijst,              // message alInLijstMelding(woord); the box is emptied
    LettersNietBeschikbaar, // no message; the text stays for correction
    Geaccepteerd,           // woord joins the list; the box is emptied
};

struct WoordBeoordeling {
    InvoerUitslag uitslag = InvoerUitslag::TeKort;
    // AlInLijst: the word in upper case. Geaccepteerd: the word to store.
    std::string woord;
};

inline constexpr const char *TeKortMelding = "Woorden van maximaal 2 letters!";
std::string alInLijstMelding(const std::string &woord);

// quizLetters: slot 1..12 each one drawn letter (slot 0 unused); empty slots offer nothing.
WoordBeoordeling beoordeelWoord(std::string_view getypt, const std::vector<std::string> &woorden,
                                const std::array<std::string, 13> &quizLetters);

} // namespace core
