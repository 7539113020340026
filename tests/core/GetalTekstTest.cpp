#include "core/GetalTekst.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

using namespace core;

TEST(GetalTekst, ReadsWholeNumbersWithSignAndBlanks)
{
    const struct {
        const char *tekst;
        std::int32_t getal;
    } cases[] = {
        {"135", 135},   {"150", 150}, {"0", 0},         {"-0", 0},       {"007", 7},
        {" 900 ", 900}, {"\t60\r\n", 60}, {"-15", -15}, {"+15", 15},     {"1000000", 1000000},
        {"2147483647", 2147483647},   {"-2147483648", INT32_MIN},      {"0000000000002147483647", 2147483647},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wholeNumberFromText(c.tekst), std::optional<std::int32_t>(c.getal)) << c.tekst;
}

TEST(GetalTekst, RoundsFractionsToTheNearestHalvesToEven)
{
    const struct {
        const char *tekst;
        std::int32_t getal;
    } cases[] = {
        // "." and "," are the same separator.
        {"150.5", 150}, {"150,5", 150}, {"151.5", 152}, {"151,5", 152},
        {"0.5", 0},     {"1.5", 2},     {"2.5", 2},     {"0,49999", 0},  {"150.51", 151}, {"150.500", 150},
        {"150.4999999999999999999", 150}, {"150.5000000000000000001", 151},
        {".5", 0},      {",7", 1},      {"150.", 150},  {"150,", 150},
        // Halves of negative numbers go to the even neighbour too, symmetric with positive ones.
        {"-2.5", -2},   {"-3.5", -4},   {"-0.5", 0},    {"-0.6", -1},    {"-150,4", -150},
        // Rounding may reach the last value of the range, not beyond it.
        {"2147483646.5", 2147483646}, {"2147483646.6", 2147483647}, {"-2147483647.6", INT32_MIN},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wholeNumberFromText(c.tekst), std::optional<std::int32_t>(c.getal)) << c.tekst;
}

TEST(GetalTekst, RefusesTextThatIsNoNumberInTheThirtyTwoBitRange)
{
    const char *cases[] = {
        "",           "   ",         "abc",         "12a",         "a12",        "1 2",
        "1.2.3",      "1,5.0",       ".",           ",",           "-",          "+",
        "--5",        "+-5",         "- 5",         "1e3",         "0x10",       "honderd",
        "2147483648", "-2147483649", "9999999999",  "99999999999999999999",   "2147483647.5",
        "-2147483648.6",
    };
    for (const char *tekst : cases)
        EXPECT_EQ(wholeNumberFromText(tekst), std::nullopt) << '"' << tekst << '"';
}
