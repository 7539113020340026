#include "core/kaarten/PaginaAantal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace core;

TEST(PaginaAantal, AcceptsWholeNumbersFromZeroToTwoHundredFiftyFive)
{
    const struct {
        const char *tekst;
        int aantal;
    } cases[] = {
        {"0", 0}, {"1", 1}, {"20", 20}, {"25", 25}, {"255", 255}, {"007", 7}, {" 12 ", 12}, {"\t3", 3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pageCountFromText(c.tekst), std::optional<int>(c.aantal)) << c.tekst;
}

TEST(PaginaAantal, RoundsFractionsHalfToEven)
{
    const struct {
        const char *tekst;
        int aantal;
    } cases[] = {
        {"2.5", 2},   {"3.5", 4},     {"2,5", 2},   {"3,5", 4},   {"0.5", 0},   {"1.5", 2},
        {"2.4", 2},   {"2.6", 3},     {"2.51", 3},  {"2.500", 2}, {"254.5", 254}, {"254.9", 255},
        {".7", 1},    {"4.", 4},      {"0,49999", 0}, {"2.5000000000000001", 3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pageCountFromText(c.tekst), std::optional<int>(c.aantal)) << c.tekst;
}

TEST(PaginaAantal, RefusesWhatCannotStartAJob)
{
    const char *cases[] = {
        "", "  ", "abc", "5a", "a5", "-1", "-0", "+3", "256", "255.5", "1000", "99999999999999999999",
        "1.2.3", "1,5,0", ".", ",", "1 2", "1e2", "0x10", "twee",
    };
    for (const char *tekst : cases)
        EXPECT_EQ(pageCountFromText(tekst), std::nullopt) << '"' << tekst << '"';
}

TEST(PaginaAantal, MessageTellsTheRangeInDutch)
{
    const std::string melding = PaginaAantalMelding;
    EXPECT_NE(melding.find("0 tot en met 255"), std::string::npos);
}
