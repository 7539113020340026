#include "core/quiz/WoordInvoer.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

// Slots 1..12 from a string of letters; missing slots stay empty.
std::array<std::string, 13> letters(const std::string &getrokken)
{
    std::array<std::string, 13> slots{};
    for (std::size_t k = 0; k < getrokken.size() && k < 12; ++k)
        slots[k + 1] = std::string(1, getrokken[k]);
    return slots;
}

const auto KAT = letters("KATBEOPRSLNI");

} // namespace

TEST(WoordInvoer, MessagesReadExactly)
{
    EXPECT_STREQ(TeKortMelding, "Woorden van maximaal 2 letters!");
    EXPECT_EQ(alInLijstMelding("KAT"), "Woord 'KAT' staat al in de lijst!");
}

TEST(WoordInvoer, FewerThanTwoCharactersIsTooShort)
{
    for (const char *getypt : {"", "k", "K", " ", "\xC3\xA9", "  ", " a", "a ", "   "}) {
        const auto b = beoordeelWoord(getypt, {}, KAT);
        EXPECT_EQ(b.uitslag, InvoerUitslag::TeKort) << '"' << getypt << '"';
    }
}

TEST(WoordInvoer, AnyCaseIsAcceptedWhenFirstAndStoredAsTyped)
{
    for (const char *getypt : {"kat", "KAT", "Kat", "kAt"}) {
        const auto b = beoordeelWoord(getypt, {}, KAT);
        EXPECT_EQ(b.uitslag, InvoerUitslag::Geaccepteerd) << getypt;
        EXPECT_EQ(b.woord, getypt);
    }
}

TEST(WoordInvoer, RepetitionIgnoresCaseAndNamesTheWordInCapitals)
{
    struct Geval {
        std::vector<std::string> woorden;
        const char *getypt;
    };
    const Geval gevallen[] = {
        {{"kat"}, "KAT"},
        {{"KAT"}, "kat"},
        {{"pet", "Kat"}, "  kAT "},
        {{"bak", "kat"}, "Kat"},
    };
    for (const Geval &g : gevallen) {
        const auto b = beoordeelWoord(g.getypt, g.woorden, KAT);
        EXPECT_EQ(b.uitslag, InvoerUitslag::AlInLijst) << g.getypt;
        EXPECT_EQ(b.woord, "KAT");
    }
    // Repetition is found even when the letters would not allow the word any more.
    EXPECT_EQ(beoordeelWoord("kat", {"kat"}, letters("")).uitslag, InvoerUitslag::AlInLijst);
}

TEST(WoordInvoer, EachDrawnLetterServesOneCharacterOfAWord)
{
    struct Geval {
        const char *getrokken;
        const char *getypt;
        InvoerUitslag uitslag;
    };
    const Geval gevallen[] = {
        {"KATBEOPRSLNI", "aap", InvoerUitslag::LettersNietBeschikbaar}, // one A
        {"KATAEOPRSLNI", "aap", InvoerUitslag::Geaccepteerd},           // two A's and a P
        {"KATAEOPRSLNI", "aaap", InvoerUitslag::LettersNietBeschikbaar},
        {"PAAEEEEEEEEE", "AAP", InvoerUitslag::Geaccepteerd}, // the order of the letters is free
        {"KATBEOPRSLNI", "KATER", InvoerUitslag::Geaccepteerd},
        {"KATBEOPRSLNI", "kast", InvoerUitslag::Geaccepteerd},
        {"KATBEOPRSLNI", "kazen", InvoerUitslag::LettersNietBeschikbaar}, // no Z
        {"KATBEOPRSLNI", "PLANKBOER", InvoerUitslag::Geaccepteerd},       // nine letters
        {"KATBEOPRSLNI", "KATBEOPRSLNI", InvoerUitslag::Geaccepteerd},    // all twelve
    };
    for (const Geval &g : gevallen) {
        const auto b = beoordeelWoord(g.getypt, {"bes", "rat"}, letters(g.getrokken));
        EXPECT_EQ(b.uitslag, g.uitslag) << g.getrokken << " " << g.getypt;
    }
}

TEST(WoordInvoer, CharactersThatAreNoDrawnLetterRefuseTheWord)
{
    const auto pool = letters("KATEEOPRSLNI");
    for (const char *getypt : {"k4t", "ka-t", "ka t", "k\xC3\xA9t", "k\xC3\xA0t", "KAT\xE2\x82\xAC", "ka\tt",
                               "k\xC3t", "\xC3\x8B" "EN", "K.A"}) {
        const auto b = beoordeelWoord(getypt, {}, pool);
        EXPECT_EQ(b.uitslag, InvoerUitslag::LettersNietBeschikbaar) << getypt;
    }
}

TEST(WoordInvoer, BlanksAroundAWordAreRemoved)
{
    const auto b = beoordeelWoord("   Kater  ", {}, KAT);
    EXPECT_EQ(b.uitslag, InvoerUitslag::Geaccepteerd);
    EXPECT_EQ(b.woord, "Kater");
}

TEST(WoordInvoer, WithoutDrawnLettersNothingIsAccepted)
{
    const std::array<std::string, 13> leeg{};
    for (const char *getypt : {"kat", "aa", "  ", "ab", "PLANKBOER"})
        EXPECT_NE(beoordeelWoord(getypt, {}, leeg).uitslag, InvoerUitslag::Geaccepteerd) << getypt;
}

TEST(WoordInvoer, SlotZeroIsNeverALetter)
{
    auto pool = letters("KAT");
    pool[0] = "S";
    EXPECT_EQ(beoordeelWoord("kats", {}, pool).uitslag, InvoerUitslag::LettersNietBeschikbaar);
}
