#include "core/bestanden/LetterCase.h"

#include <gtest/gtest.h>

using namespace core;

TEST(LetterCase, MapsEveryWindows1252LetterThatHasTwoCases)
{
    struct Case {
        const char *upper;
        const char *lower;
    };
    const Case cases[] = {
        {"KAT", "kat"},
        {"\u00C0\u00C9\u00CE\u00D5\u00DC\u00C7\u00D1\u00DE", "\u00E0\u00E9\u00EE\u00F5\u00FC\u00E7\u00F1\u00FE"},
        {"\u0160\u0152\u017D\u0178", "\u0161\u0153\u017E\u00FF"},
        {"\u00C9\u00C9N", "\u00E9\u00E9n"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(toLowerCase(c.upper), c.lower);
        EXPECT_EQ(toUpperCase(c.lower), c.upper);
    }
}

TEST(LetterCase, LeavesEverythingElseAsItIs)
{
    // Signs that share the Latin-1 letter block, letters without a partner in
    // Windows-1252, other scripts, digits, blanks and broken UTF-8.
    for (const char *text : {"\u00D7\u00F7", "\u00DF\u00B5", "\u4E2D\u0391", " 12,\"-_", "\xFF\xC3", "\xC3\x28"}) {
        EXPECT_EQ(toLowerCase(text), text);
        EXPECT_EQ(toUpperCase(text), text);
    }
    EXPECT_EQ(toUpperCase("  kat  "), "  KAT  ");
}

TEST(LetterCase, ComparesAsIfBothWereLowerCase)
{
    struct Case {
        const char *a;
        const char *b;
        int order;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},
        {"Zo\u00EB", "zO\u00CB", 0},
        {"a", "B", -1},   // by bytes "B" would come first
        {"Z", "a", 1},
        {"kat", "katten", -1},
        {"", "a", -1},
        {"", "", 0},
        {" kat", "aap", -1},
        {"_", "A", -1},   // '_' lies between the capitals and the small letters
        {"z", "\u00E9", -1},
        {"\xFF", "\u4E2D", 1}, // a loose byte after every character
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        const int order = compareIgnoringCase(c.a, c.b);
        EXPECT_EQ((order > 0) - (order < 0), c.order);
        const int reverse = compareIgnoringCase(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.order);
    }
}
