#include "core/quiz/ScoreTeksten.h"

#include <gtest/gtest.h>

using namespace core;

TEST(ScoreTeksten, TheDeleteQuestionNamesThePartAfterTheScore)
{
    struct Case {
        const char *entry;
        const char *vraag;
    };
    const Case cases[] = {
        {"0123 - Twee", "Wilt u 'Twee' verwijderen uit de lijst?"},
        {"0007 - Jan - Piet", "Wilt u 'Jan - Piet' verwijderen uit de lijst?"},
        {"0007 -   Jan ", "Wilt u '  Jan ' verwijderen uit de lijst?"},
        {"12345 - Lang", "Wilt u 'Lang' verwijderen uit de lijst?"},
        {"-005 - Min", "Wilt u 'Min' verwijderen uit de lijst?"},
        // Nothing chosen, or nothing after the score: "..." stands in for the name.
        {"", "Wilt u '...' verwijderen uit de lijst?"},
        {"0007 - ", "Wilt u '...' verwijderen uit de lijst?"},
        // An entry from a damaged file: from the eighth character on, whole characters only.
        {"abcdefghij", "Wilt u 'hij' verwijderen uit de lijst?"},
        {"\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9\u00EBn", "Wilt u '\u00EBn' verwijderen uit de lijst?"},
        {"kort", "Wilt u '...' verwijderen uit de lijst?"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ScoreVerwijderVraag(c.entry), c.vraag) << c.entry;
}

TEST(ScoreTeksten, CountsAndCaptionsReadAsTheDialogShowsThem)
{
    EXPECT_EQ(ScoreVerwijderAllesVraag(3), "Wilt u alle 3 namen verwijderen?");
    EXPECT_EQ(AantalNamenTekst(0), "0 namen in de lijst");
    EXPECT_EQ(AantalNamenTekst(12), "12 namen in de lijst");
    EXPECT_STREQ(ScoreVerwijderTitel, " Delete");
    EXPECT_STREQ(ScoreVerwijderAllesTitel, " Delete All");
    EXPECT_STREQ(ScoreFoutjeTitel, " Foutje");
    EXPECT_STREQ(ScoreGeenKeuzeMelding, "Eerst een naam selecteren...");
}
