#include "support/MetHoofdvenster.h"

#include "core/quiz/ScoreLijst.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/ScoreForm.h"
#include "ui/toolkit/Twips.h"
#include "widgets/VistaButton.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

using namespace ui;

namespace {

struct ScoreFormFixture : MetHoofdvenster {
    void voegToe(std::int32_t score, const char *naam) { main->scoreLijst().VoegScoreToe(score, naam); }
    static QStringList rijen(const ScoreForm &form)
    {
        QStringList lijst;
        for (int i = 0; i < form.list1()->count(); ++i)
            lijst << form.list1()->item(i)->text();
        return lijst;
    }
    QByteArray bestand() const
    {
        QFile file(main->scorelijstPad());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(ScoreFormFixture, TheDialogIsLaidOutInTwips)
{
    ScoreForm form(*main);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Hoogst Scorelijst"));
    EXPECT_EQ(form.size(), QSize(twips(3945) - VensterRandBreedte, twips(6420) - VensterRandHoogte));
    EXPECT_EQ(form.frame1()->geometry(), QRect(6, 0, 245, 390));
    EXPECT_EQ(form.list1()->geometry(), QRect(10, 16, 227, 308));
    EXPECT_EQ(form.list1()->palette().color(QPalette::Base), QColor(150, 230, 180));
    EXPECT_EQ(form.label2()->pos(), QPoint(10, 330));
    const struct {
        widgets::VistaButton *knop;
        const char *caption;
        int left;
    } knoppen[] = {{form.deleteKnop(), "Del", 135}, {form.deleteAllKnop(), "Del All", 1080}, {form.okKnop(), "Ok", 2640}};
    for (const auto &k : knoppen) {
        EXPECT_EQ(k.knop->caption(), QString::fromLatin1(k.caption));
        EXPECT_EQ(k.knop->geometry(), QRect(twips(k.left), twips(5370), 60, 22)) << k.caption;
    }
}

TEST_F(ScoreFormFixture, TheHighestScoreStandsAtTheTop)
{
    voegToe(7, "Een");
    voegToe(123, "Twee");
    voegToe(45, "Drie");
    voegToe(45, "Vier");
    ScoreForm form(*main);
    EXPECT_EQ(rijen(form), (QStringList{QStringLiteral("0123 - Twee"), QStringLiteral("0045 - Vier"),
                                        QStringLiteral("0045 - Drie"), QStringLiteral("0007 - Een")}));
    EXPECT_EQ(form.label2()->text(), QStringLiteral("4 namen in de lijst"));
}

TEST_F(ScoreFormFixture, DeletingOneOfTwoEqualEntriesRemovesOnlyOne)
{
    voegToe(45, "Drie");
    voegToe(45, "Drie");
    voegToe(7, "Een");
    main->bewaarScorelijst();
    const QByteArray opgeslagen = bestand();
    ScoreForm form(*main);
    form.list1()->setCurrentRow(1);

    test.dialogen.antwoorden = {Antwoord::Ja};
    emit form.deleteKnop()->Click();
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_EQ(test.dialogen.meldingen[0].tekst, QStringLiteral("Wilt u 'Drie' verwijderen uit de lijst?"));
    EXPECT_EQ(test.dialogen.meldingen[0].titel, QStringLiteral(" Delete"));
    EXPECT_EQ(test.dialogen.meldingen[0].knoppen, Knoppen::JaNee);
    EXPECT_EQ(test.dialogen.meldingen[0].icoon, Icoon::Geen);
    EXPECT_EQ(rijen(form), (QStringList{QStringLiteral("0045 - Drie"), QStringLiteral("0007 - Een")}));
    EXPECT_EQ(main->scoreLijst().ascending(), (std::vector<std::string>{"0007 - Een", "0045 - Drie"}));
    EXPECT_EQ(form.label2()->text(), QStringLiteral("2 namen in de lijst"));
    // Only the list in memory changes; the file follows after the next game or at exit.
    EXPECT_EQ(bestand(), opgeslagen);
}

TEST_F(ScoreFormFixture, AnsweringNeeDeletesNothing)
{
    voegToe(7, "Een");
    ScoreForm form(*main);
    form.list1()->setCurrentRow(0);
    test.dialogen.antwoorden = {Antwoord::Nee};
    emit form.deleteKnop()->Click();
    test.dialogen.antwoorden = {Antwoord::Nee};
    emit form.deleteAllKnop()->Click();
    EXPECT_EQ(test.dialogen.meldingen.size(), 2u);
    EXPECT_EQ(form.list1()->count(), 1);
    EXPECT_EQ(main->scoreLijst().count(), 1u);
}

TEST_F(ScoreFormFixture, DelWithoutAChoiceAsksAboutDotsThenSaysToChooseFirst)
{
    voegToe(7, "Een");
    ScoreForm form(*main);
    ASSERT_TRUE(form.list1()->selectedItems().isEmpty());

    test.dialogen.antwoorden = {Antwoord::Ja};
    emit form.deleteKnop()->Click();
    ASSERT_EQ(test.dialogen.meldingen.size(), 2u);
    EXPECT_EQ(test.dialogen.meldingen[0].tekst, QStringLiteral("Wilt u '...' verwijderen uit de lijst?"));
    EXPECT_EQ(test.dialogen.meldingen[1].tekst, QStringLiteral("Eerst een naam selecteren..."));
    EXPECT_EQ(test.dialogen.meldingen[1].titel, QStringLiteral(" Foutje"));
    EXPECT_EQ(test.dialogen.meldingen[1].knoppen, Knoppen::Ok);
    EXPECT_EQ(form.list1()->count(), 1);

    test.dialogen.antwoorden = {Antwoord::Nee};
    emit form.deleteKnop()->Click();
    EXPECT_EQ(test.dialogen.meldingen.size(), 3u); // only the question
}

TEST_F(ScoreFormFixture, AnEmptyListAsksNothing)
{
    ScoreForm form(*main);
    EXPECT_EQ(form.label2()->text(), QStringLiteral("0 namen in de lijst"));
    emit form.deleteKnop()->Click();
    emit form.deleteAllKnop()->Click();
    EXPECT_TRUE(test.dialogen.meldingen.empty());
}

TEST_F(ScoreFormFixture, DelAllThenExitLeavesOnlyTheHeaderLines)
{
    voegToe(7, "Een");
    voegToe(123, "Twee");
    voegToe(45, "Drie");
    main->bewaarScorelijst();
    ScoreForm form(*main);

    test.dialogen.antwoorden = {Antwoord::Ja};
    emit form.deleteAllKnop()->Click();
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_EQ(test.dialogen.meldingen[0].tekst, QStringLiteral("Wilt u alle 3 namen verwijderen?"));
    EXPECT_EQ(test.dialogen.meldingen[0].titel, QStringLiteral(" Delete All"));
    EXPECT_EQ(test.dialogen.meldingen[0].knoppen, Knoppen::JaNee);
    EXPECT_EQ(form.list1()->count(), 0);
    EXPECT_TRUE(main->scoreLijst().isEmpty());

    test.dialogen.antwoorden = {Antwoord::Ja};
    EXPECT_TRUE(main->close());
    EXPECT_EQ(bestand(), QByteArray("\"Kwartelhoven Software 2017\"\r\n\"--------------------------\"\r\n"));
}

TEST_F(ScoreFormFixture, OkClosesTheDialog)
{
    ScoreForm form(*main);
    form.show();
    emit form.okKnop()->Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}
