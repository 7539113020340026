// The word lists delivered in assets/Data: one file per length 2..9, upper case A-Z only,
// sorted, one word per line with CR LF, about a hundred thousand words in all.
#include "core/bestanden/FileIo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(WoordenlijstenData, EveryListIsSortedUpperCaseOfItsLengthWithCrLf)
{
    std::size_t totaal = 0;
    for (int n = 2; n <= 9; ++n) {
        SCOPED_TRACE(n);
        const auto inhoud = core::readFile(std::string(ALFABO_SOURCE_DIR) + "/assets/Data/Woord-" + std::to_string(n) + ".lst");
        ASSERT_TRUE(inhoud.has_value());
        ASSERT_FALSE(inhoud->empty());
        ASSERT_EQ(inhoud->substr(inhoud->size() - 2), "\r\n");

        std::size_t woorden = 0;
        std::string vorige;
        for (std::size_t begin = 0; begin < inhoud->size();) {
            const std::size_t einde = inhoud->find("\r\n", begin);
            ASSERT_NE(einde, std::string::npos);
            const std::string woord = inhoud->substr(begin, einde - begin);
            ASSERT_EQ(woord.size(), std::size_t(n)) << woord;
            for (const char c : woord)
                ASSERT_TRUE(c >= 'A' && c <= 'Z') << woord;
            ASSERT_LT(vorige, woord) << "not sorted or repeated";
            vorige = woord;
            ++woorden;
            begin = einde + 2;
        }
        std::printf("Woord-%d.lst: %zu woorden\n", n, woorden);
        totaal += woorden;
    }
    std::printf("in totaal: %zu woorden\n", totaal);
    EXPECT_GT(totaal, 90000u);
    EXPECT_LT(totaal, 130000u);
}
