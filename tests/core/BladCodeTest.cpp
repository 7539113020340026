// The code on every card sheet: what it holds, the check character, and golden sheets that pin
// the generator and its mapping to letters, so a sheet printed today checks with any later version.
#include "core/kaarten/BladCode.h"

#include "core/RandomSource.h"

#include <gtest/gtest.h>

#include <string>

using namespace core;

namespace {

std::string rijen(const BingoKaart &kaart)
{
    std::string tekst;
    for (int rij = 1; rij <= kaart.rijen(); ++rij) {
        for (int kolom = 1; kolom <= kaart.kolommen(); ++kolom)
            tekst += kaartLetterTeken(kaart.letter(kolom, rij));
        tekst += rij < kaart.rijen() ? " " : "";
    }
    return tekst;
}

TEST(BladCode, ReadsBackWhatItHoldsAndCatchesEveryWrongCharacterAndEverySwapOfNeighbours)
{
    SeededRandom toeval(42);
    for (int i = 0; i < 300; ++i) {
        const auto soort = KaartSoort(toeval.nextInRange(4) - 1);
        const BladCode code{soort, soort == KaartSoort::Breed && i % 2 == 0,
                            std::uint32_t(toeval.nextInRange(int(BladCode::ZaadGrens)) - 1)};
        const std::string tekst = codeTekst(code);
        ASSERT_EQ(tekst.size(), CodeLengte);
        ASSERT_EQ(leesCode(tekst), code) << tekst;
        for (std::size_t plek = 0; plek < tekst.size(); ++plek) {
            for (const char ander : CodeAlfabet) {
                std::string fout = tekst;
                fout[plek] = ander;
                EXPECT_TRUE(fout == tekst || !leesCode(fout)) << tekst << " read as " << fout;
            }
            std::string gewisseld = tekst;
            if (plek + 1 < tekst.size() && tekst[plek] != tekst[plek + 1]) {
                std::swap(gewisseld[plek], gewisseld[plek + 1]);
                EXPECT_FALSE(leesCode(gewisseld)) << tekst << " swapped to " << gewisseld;
            }
        }
    }
}

TEST(BladCode, IsTypedInAnyCaseWithBlanksAndHyphensButNotWithLookAlikes)
{
    const std::string tekst = codeTekst({KaartSoort::Random, false, 4711});
    std::string klein = tekst;
    for (char &c : klein)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    const std::string gesplitst = " " + tekst.substr(0, 3) + "-" + tekst.substr(3) + " ";
    for (const std::string &getypt : {klein, gesplitst})
        EXPECT_EQ(leesCode(getypt), leesCode(tekst)) << getypt;
    for (const std::string &fout : {tekst.substr(1), tekst + "2", std::string("O") + tekst.substr(1), std::string()})
        EXPECT_FALSE(leesCode(fout)) << fout;
}

// Golden sheets: a code, its text and one card of it, as they are printed.
TEST(BladCode, GoldenSheets)
{
    struct Goud {
        BladCode code;
        const char *tekst;
        std::size_t kaart;
        const char *rijen;
    };
    for (const Goud &goud :
         {Goud{{KaartSoort::Bingo, false, 12345}, "2252GAK", 0, "GYMEH ZPCFS QAIWL VNDJT XOBUR"},
          Goud{{KaartSoort::Random, false, 1}, "22222BJ", 5, "XHXLF KXPVO BPWJE VVJTW GSRMC"},
          Goud{{KaartSoort::Breed, true, 777},
               "22284G8",
               2,
               "BKKPCVCJDXCD DKKPYUQHNWRI CFYIDLJWUOPU EUPZPZMPVYJQ GXDVAXCIMWUB"},
          Goud{{KaartSoort::VierBijVier, false, BladCode::ZaadGrens - 1}, "ZZZZZVN", 0, "TRXH TSAE TFJY CNSS"}}) {
        const std::vector<BingoKaart> kaarten = kaartenVanBlad(goud.code);
        EXPECT_EQ(codeTekst(goud.code), goud.tekst);
        ASSERT_LT(goud.kaart, kaarten.size());
        EXPECT_EQ(rijen(kaarten[goud.kaart]), goud.rijen) << goud.tekst;
    }
}

} // namespace
