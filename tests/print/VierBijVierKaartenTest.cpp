#include "KaartTestHulp.h"

#include "print/KaartLayouts.h"

#include <gtest/gtest.h>

#include <set>

using namespace kaarttest;
using print::RecordingSurface;

TEST(Maak4x4Kaarten, TitleWithItsShadowComesFirst)
{
    core::SeededRandom random(1);
    RecordingSurface surface;
    print::Maak4x4Kaarten(surface, random, QStringLiteral("www.alfabolotto.nl"));
    const std::vector<Op> &ops = surface.operations();
    ASSERT_GE(ops.size(), 2u);

    const print::PageFont titel{"Comic Sans MS", 88, true};
    EXPECT_EQ(ops[0].kind, Kind::Text);
    EXPECT_EQ(ops[0].text, QStringLiteral("Alfabo Lotto"));
    EXPECT_EQ(positions({ops[0]}).front(), QPoint(600, -150));
    EXPECT_EQ(ops[0].colour, QColor(60, 60, 60));
    EXPECT_EQ(ops[0].font, titel);
    EXPECT_EQ(ops[1].text, QStringLiteral("Alfabo Lotto"));
    EXPECT_EQ(positions({ops[1]}).front(), QPoint(660, -90));
    EXPECT_EQ(ops[1].colour, QColor(0, 220, 0));
    EXPECT_EQ(ops[1].font, titel);
}

TEST(Maak4x4Kaarten, EachCellIsFilledOutlinedAndLetteredBeforeTheNext)
{
    core::SeededRandom random(2);
    RecordingSurface surface;
    print::Maak4x4Kaarten(surface, random, QString());
    const std::vector<Op> &ops = surface.operations();
    ASSERT_EQ(ops.size(), 2u + 96 * 3 + 6);

    std::vector<QPoint> hoeken;
    for (std::size_t n = 0; n < 96; ++n) {
        const Op &vul = ops[2 + 3 * n];
        const Op &omtrek = ops[3 + 3 * n];
        const Op &letter = ops[4 + 3 * n];
        ASSERT_EQ(vul.kind, Kind::FilledBox) << n;
        ASSERT_EQ(omtrek.kind, Kind::Box) << n;
        ASSERT_EQ(letter.kind, Kind::Text) << n;
        EXPECT_EQ(vul.colour, QColor(240, 240, 220));
        EXPECT_EQ(omtrek.colour, QColor(0, 0, 0));
        EXPECT_EQ(QRect(QPoint(vul.x1, vul.y1), QPoint(vul.x2, vul.y2)), QRect(QPoint(omtrek.x1, omtrek.y1), QPoint(omtrek.x2, omtrek.y2)));
        EXPECT_EQ(QSize(vul.x2 - vul.x1, vul.y2 - vul.y1), QSize(1170, 900));
        EXPECT_EQ(positions({letter}).front(), QPoint(vul.x1 + 360, vul.y1));
        EXPECT_EQ(letter.colour, QColor(120, 120, 120));
        EXPECT_EQ(letter.font, (print::PageFont{"Comic Sans MS", 30, true}));
        hoeken.emplace_back(vul.x1, vul.y1);
    }

    // Cards 1 to 6 in turn, each column of a card top to bottom.
    std::vector<QPoint> verwacht;
    for (int k = 0; k <= 2; ++k)
        for (int c = 0; c <= 1; ++c)
            for (int j = 1; j <= 4; ++j)
                for (int i = 1; i <= 4; ++i)
                    verwacht.emplace_back(600 + 5880 * c + 1170 * (j - 1), 2700 + 4500 * k + 900 * (i - 1));
    EXPECT_EQ(hoeken, verwacht);
}

TEST(Maak4x4Kaarten, DrawsOneLetterPerCellWithoutRetry)
{
    ConstantRandom random(0.0);
    RecordingSurface surface;
    print::Maak4x4Kaarten(surface, random, QString());
    const std::vector<Op> letters = texts(surface.operations(), QColor(120, 120, 120), 30);
    ASSERT_EQ(letters.size(), 96u);
    for (const Op &l : letters)
        EXPECT_EQ(l.text, QStringLiteral("A"));
}
