#include "core/quiz/QuizRad.h"

#include "core/RandomSource.h"

#include <algorithm>

namespace core {
namespace {

constexpr int VakGrootte = 80;
constexpr int LettersPerRij = 6;
constexpr int LetterInspringing = 19;

} // namespace

RadPositie quizRadPositie(int p) { return QuizRadTabel[std::size_t(std::clamp(p, 1, QuizRadPosities) - 1)]; }

int kiesQuizPositie(RandomSource &random)
{
    random.reseed();
    return random.nextInRange(QuizRadPosities);
}

std::array<QuizTrekking, AantalQuizLetters> kiesQuizLetters(RandomSource &random)
{
    std::array<QuizTrekking, AantalQuizLetters> trekkingen;
    for (QuizTrekking &trekking : trekkingen) {
        trekking.positie = kiesQuizPositie(random);
        trekking.letter = quizRadPositie(trekking.positie).letter;
    }
    return trekkingen;
}

std::vector<RadStap> quizRadStappen(int r)
{
    const int laatste = std::clamp(r, 1, QuizRadPosities);
    std::vector<RadStap> stappen;
    stappen.reserve(std::size_t(QuizRadPosities + laatste));
    for (int p = 1; p <= QuizRadPosities; ++p)
        stappen.push_back({p, quizRadPositie(p), QuizRadStapWacht});
    for (int p = 1; p <= laatste; ++p)
        stappen.push_back({p, quizRadPositie(p), QuizRadStapWacht});
    return stappen;
}

LetterAfdruk quizLetterAfdruk(int k, char letter, Kleur kleur)
{
    const int index = std::clamp(k, 1, AantalQuizLetters) - 1;
    const int x = LetterInspringing + VakGrootte * (index % LettersPerRij);
    const int y = VakGrootte * (index / LettersPerRij);
    return maakLetterAfdruk(letter, x, y, kleur);
}

} // namespace core
