#include "core/quiz/WoordZoeken.h"

#include <gtest/gtest.h>

#include <random>

using namespace core;

namespace {

// The plain reading: cut at LF, drop one CR at the end of a line, compare whole lines in
// upper case (A-Z only, which is all these lists hold).
bool regelVoorRegel(std::string_view lijst, std::string_view woord)
{
    const auto hoofd = [](std::string_view t) {
        std::string u(t);
        for (char &c : u)
            if (c >= 'a' && c <= 'z')
                c = char(c - 32);
        return u;
    };
    const std::string gezocht = hoofd(woord);
    std::size_t begin = 0;
    while (begin < lijst.size()) {
        std::size_t einde = lijst.find('\n', begin);
        if (einde == std::string_view::npos)
            einde = lijst.size();
        std::string_view regel = lijst.substr(begin, einde - begin);
        if (!regel.empty() && regel.back() == '\r')
            regel.remove_suffix(1);
        if (hoofd(regel) == gezocht)
            return true;
        begin = einde + 1;
    }
    return false;
}

} // namespace

TEST(WoordZoeken, LineEndsAndNeighbours)
{
    struct Geval {
        const char *lijst;
        const char *woord;
        bool gevonden;
    };
    const Geval gevallen[] = {
        {"KAT\r\n", "KAT", true},          {"KAT", "KAT", true},
        {"KAT\r", "KAT", true},            {"KAT\n", "kat", true},
        {"AAP\nKAT\n", "KAT", true},       {"AAP\r\nKAT", "KAT", true},
        {"KATER\r\n", "KAT", false},       {"SKAT\r\n", "KAT", false},
        {"KAT \r\n", "KAT", false},        {" KAT\r\n", "KAT", false},
        {"KAT\rX\n", "KAT", false},        {"KAT\r\r\n", "KAT", false},
        {"", "KAT", false},                {"AAP\r\n\r\nKAT\r\n", "KAT", true},
        {"KA\r\nT\r\n", "KAT", false},     {"kat\r\n", "KAT", true},
        {"KaT\r\n", "kAt", true},          {"\xC9\xC9N\r\n", "\xE9\xE9n", true}, // ÉÉN / één
    };
    for (const Geval &g : gevallen)
        EXPECT_EQ(staatInLijst(g.lijst, g.woord), g.gevonden) << '"' << g.lijst << "\" " << g.woord;
}

TEST(WoordZoeken, AgreesWithReadingLineByLine)
{
    // Random small lists of a few letters, mixed case and line ends, blanks now and then.
    std::mt19937 gen(1234);
    const std::string tekens = "aAbB \r\n";
    for (int ronde = 0; ronde < 3000; ++ronde) {
        std::string lijst;
        const int lengte = int(gen() % 30);
        for (int i = 0; i < lengte; ++i)
            lijst += tekens[gen() % tekens.size()];
        std::string woord;
        const int woordLengte = 1 + int(gen() % 3);
        for (int i = 0; i < woordLengte; ++i)
            woord += "abAB"[gen() % 4];
        ASSERT_EQ(staatInLijst(lijst, woord), regelVoorRegel(lijst, woord)) << '"' << lijst << "\" " << woord;
    }
}
