#include "QuizTestHulp.h"

#include "core/quiz/WoordInvoer.h"

using namespace quiztest;

namespace {

struct QuizWoordInvoerFixture : QuizFixture {
    void SetUp() override
    {
        QuizFixture::SetUp();
        test.algemeen.QuizSeconden = 60;
    }
    QStringList woorden() const
    {
        QStringList lijst;
        for (int rij = 0; rij < this->lijst()->aantal(); ++rij)
            lijst << this->lijst()->tekst(rij, 1);
        return lijst;
    }
};

} // namespace

TEST_F(QuizWoordInvoerFixture, EachEntryIsRefusedOrListedAsTheRulesSay)
{
    // One A, one K, one T among the letters.
    start(QStringLiteral("Een"), "KATPUIZEBRNS");
    const struct {
        const char *getypt;
        const char *melding;  // empty: none
        const char *inHetVak; // the box afterwards
        int rijen;            // rows afterwards
    } stappen[] = {
        {"k", core::TeKortMelding, "k", 0},
        {"", "Woorden van maximaal 2 letters!", "", 0},
        {" a", "Woorden van maximaal 2 letters!", " a", 0},
        {"kat", "", "", 1},
        {"KAT", "Woord 'KAT' staat al in de lijst!", "", 1},
        {" Kat ", "Woord 'KAT' staat al in de lijst!", "", 1},
        {"aap", "", "aap", 1},     // one A only
        {"k4t", "", "k4t", 1},     // a digit
        {"k-t", "", "k-t", 1},     // a hyphen
        {"ka t", "", "ka t", 1},   // a blank inside
        {"zo\xc3\xab", "", "zo\xc3\xab", 1}, // an accented letter: zoë
        {"  tak  ", "", "", 2},    // the letters again, for another word
        {"PUIZEN", "", "", 3},
    };
    for (const auto &stap : stappen) {
        const int meldingenVoor = aantalMeldingen();
        typ(QString::fromUtf8(stap.getypt));
        const QString verwacht = QString::fromUtf8(stap.melding);
        if (verwacht.isEmpty()) {
            EXPECT_EQ(aantalMeldingen(), meldingenVoor) << stap.getypt;
        } else {
            ASSERT_EQ(aantalMeldingen(), meldingenVoor + 1) << stap.getypt;
            const auto &melding = test.dialogen.meldingen.back();
            EXPECT_EQ(melding.tekst, verwacht) << stap.getypt;
            EXPECT_EQ(melding.titel, QStringLiteral("Alfabo Lotto"));
            EXPECT_EQ(melding.knoppen, ui::Knoppen::Ok);
            EXPECT_EQ(melding.icoon, ui::Icoon::Geen);
        }
        EXPECT_EQ(vak()->text(), QString::fromUtf8(stap.inHetVak)) << stap.getypt;
        EXPECT_EQ(lijst()->aantal(), stap.rijen) << stap.getypt;
        EXPECT_EQ(quiz->bottomLabel1()->text(), QString::number(stap.rijen)) << stap.getypt;
    }
    EXPECT_EQ(woorden(), (QStringList{QStringLiteral("kat"), QStringLiteral("tak"), QStringLiteral("PUIZEN")}));
    EXPECT_EQ(lijst()->tekst(0, 0), QString());
    EXPECT_EQ(lijst()->tekst(0, 2), QString());
}

TEST_F(QuizWoordInvoerFixture, UpperAndLowerCaseAreTheSameWordAndTheRowKeepsTheCaseTyped)
{
    for (const char *eerste : {"kat", "KAT", "Kat"}) {
        test.dialogen.meldingen.clear();
        start(QStringLiteral("Een"), "KATPUIZEBRNS");
        typ(QString::fromLatin1(eerste));
        EXPECT_EQ(woorden(), QStringList{QString::fromLatin1(eerste)});
        typ(QStringLiteral("KAT"));
        ASSERT_EQ(aantalMeldingen(), 1) << eerste;
        EXPECT_EQ(laatsteMelding(), QStringLiteral("Woord 'KAT' staat al in de lijst!"));
        EXPECT_EQ(lijst()->aantal(), 1);
        quiz->stopAftellen();
    }
}

TEST_F(QuizWoordInvoerFixture, ALetterDrawnTwiceServesTwiceInOneWord)
{
    start(QStringLiteral("Een"), "KATPUIZEBRNS");
    typ(QStringLiteral("AAP"));
    EXPECT_EQ(lijst()->aantal(), 0);
    quiz->stopAftellen();

    start(QStringLiteral("Een"), "KATPUIZEBRNA");
    typ(QStringLiteral("AAP"));
    EXPECT_EQ(woorden(), QStringList{QStringLiteral("AAP")});
    typ(QStringLiteral("PAAR")); // the pool is whole again for every word
    EXPECT_EQ(lijst()->aantal(), 2);
    typ(QStringLiteral("PAARA"));
    EXPECT_EQ(lijst()->aantal(), 2);
}

TEST_F(QuizWoordInvoerFixture, NineLettersFitTheBoxAndATenthIsRefused)
{
    start(QStringLiteral("Een"), "BEZIGHEIDKAT");
    vak()->clear();
    QTest::keyClicks(vak(), QStringLiteral("bezigheidk"));
    EXPECT_EQ(vak()->text(), QStringLiteral("bezigheid"));
    QTest::keyClick(vak(), Qt::Key_Enter); // the Enter of the number pad works too
    EXPECT_EQ(woorden(), QStringList{QStringLiteral("bezigheid")});
    EXPECT_EQ(vak()->text(), QString());
}

TEST_F(QuizWoordInvoerFixture, AClickInTheBoxEmptiesIt)
{
    start(QStringLiteral("Een"), "KATPUIZEBRNS");
    QTest::keyClicks(vak(), QStringLiteral("kta"));
    QTest::mouseClick(vak(), Qt::LeftButton);
    EXPECT_EQ(vak()->text(), QString());
}

TEST_F(QuizWoordInvoerFixture, BeforeTheFirstGameNoWordGetsIn)
{
    typ(QStringLiteral("ab"));
    EXPECT_EQ(lijst()->aantal(), 0);
    EXPECT_EQ(vak()->text(), QStringLiteral("ab"));
    typ(QStringLiteral("a"));
    EXPECT_EQ(laatsteMelding(), QStringLiteral("Woorden van maximaal 2 letters!"));
}

TEST_F(QuizWoordInvoerFixture, AfterTheGameTheBoxTakesNoMoreTyping)
{
    schrijfLijsten({});
    test.algemeen.QuizSeconden = 1;
    start(QStringLiteral("Een"), "KATPUIZEBRNS");
    typ(QStringLiteral("kat"));
    spel().tik();
    QTest::keyClicks(vak(), QStringLiteral("tak"));
    QTest::keyClick(vak(), Qt::Key_Return);
    EXPECT_EQ(vak()->text(), QString());
    EXPECT_EQ(woorden(), QStringList{QStringLiteral("kat")});
}
