#include "core/quiz/QuizTijd.h"

namespace core {
namespace {

std::string tweeCijfers(std::int32_t waarde) { return (waarde <= 9 ? "0" : "") + std::to_string(waarde); }

} // namespace

std::string QuizTijdTekst(std::int32_t resterendeSeconden)
{
    const std::int32_t seconden = resterendeSeconden < 0 ? 0 : resterendeSeconden;
    return tweeCijfers(seconden / 60) + ":" + tweeCijfers(seconden % 60) + " ";
}

bool isBruikbareQuizTijd(std::int32_t quizSeconden) { return quizSeconden >= 1; }

} // namespace core
