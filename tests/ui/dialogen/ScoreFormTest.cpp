#include "DialoogTest.h"

#include "core/quiz/ScoreLijst.h"
#include "core/quiz/ScoreTeksten.h"

using ScoreFormTest = DialoogTest;

TEST_F(ScoreFormTest, ShowsTheHighestScoreOnTopAndDeletesOnlyWhatIsChosenAndConfirmed)
{
    const std::string lang = "0042 - " + std::string(100000, 'x'), twee = "0045 - Drie"; // and a very long name
    for (const auto &[score, naam] :
         {std::pair<int, std::string>{45, "Drie"}, {42, lang.substr(7)}, {123, "Twee"}, {45, "Drie"}})
        main->scoreLijst().VoegScoreToe(score, naam);
    ScoreForm form(*main);
    EXPECT_EQ(form.list1()->item(0)->text() + form.list1()->item(3)->text(), uit("0123 - Twee" + lang));
    test.dialogen.antwoorden = {Antwoord::Ja};
    emit form.deleteKnop()->Click(); // nothing chosen: Ja only says to choose first
    form.list1()->setCurrentRow(2);
    emit form.deleteKnop()->Click();    // Nee
    emit form.deleteAllKnop()->Click(); // Nee
    test.dialogen.antwoorden = {Antwoord::Ja, Antwoord::Ja};
    emit form.deleteKnop()->Click(); // one of two equal entries
    EXPECT_EQ(test.dialogen.meldingen,
              (Meldingen{
                  {uit(core::ScoreVerwijderVraag("")), core::ScoreVerwijderTitel, Knoppen::JaNee, Icoon::Geen},
                  {core::ScoreGeenKeuzeMelding, core::ScoreFoutjeTitel, Knoppen::Ok, Icoon::Geen},
                  {uit(core::ScoreVerwijderVraag(twee)), core::ScoreVerwijderTitel, Knoppen::JaNee, Icoon::Geen},
                  {uit(core::ScoreVerwijderAllesVraag(4)), core::ScoreVerwijderAllesTitel, Knoppen::JaNee, Icoon::Geen},
                  {uit(core::ScoreVerwijderVraag(twee)), core::ScoreVerwijderTitel, Knoppen::JaNee, Icoon::Geen}}));
    EXPECT_EQ(main->scoreLijst().descending(), (std::vector<std::string>{"0123 - Twee", twee, lang}));
    emit form.deleteAllKnop()->Click();
    emit form.deleteKnop()->Click(); // an empty list asks nothing more
    emit form.deleteAllKnop()->Click();
    EXPECT_TRUE(main->scoreLijst().isEmpty() && form.list1()->count() == 0 && test.dialogen.meldingen.size() == 6);
}
