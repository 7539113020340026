#include "core/bestanden/Windows1252.h"

#include <gtest/gtest.h>

using namespace core;

TEST(Windows1252, RoundTripsEveryByteThroughUtf8)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(naarWindows1252(vanWindows1252(all)), all);
}

TEST(Windows1252, MapsTheCp1252RangeToItsLetters)
{
    EXPECT_EQ(vanWindows1252("\x80"), "\u20AC");
    EXPECT_EQ(vanWindows1252("caf\xE9"), "caf\u00E9");
    EXPECT_EQ(naarWindows1252("\u201Choi\u201D"), "\x93hoi\x94");
}

TEST(Windows1252, ReplacesWhatItCannotHoldWithAQuestionMarkInPlace)
{
    // Each unmappable character becomes exactly one "?" where it stood; nothing is dropped.
    EXPECT_EQ(naarWindows1252("a\u4E2Db\U0001F600c"), "a?b?c");
    EXPECT_EQ(naarWindows1252("x\xFFy"), "x?y"); // malformed UTF-8
    // Overlong forms of a quote or a line end, a surrogate: no characters, one "?" per byte.
    EXPECT_EQ(naarWindows1252("\xC0\xA2|\xE0\x80\x8A|\xED\xA0\x80"), "??|???|???");
    EXPECT_FALSE(pastInWindows1252("\xC1\x81"));
    EXPECT_FALSE(pastInWindows1252("\u4E2D"));
    EXPECT_TRUE(pastInWindows1252("\u00EBn \u20AC"));
}
