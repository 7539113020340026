#include "KaartTestHulp.h"

#include "print/KaartLayouts.h"

#include <gtest/gtest.h>

#include <set>

using namespace kaarttest;
using print::RecordingSurface;

namespace {

const QColor Zwart(0, 0, 0);
const QColor LichtGrijs(200, 200, 200);

std::vector<Op> blad(bool middenstuk, std::uint64_t seed = 3)
{
    core::SeededRandom random(seed);
    RecordingSurface surface;
    print::MaakKaartenBreed(surface, random, QStringLiteral("www.alfabolotto.nl"), middenstuk);
    return surface.operations();
}

} // namespace

TEST(MaakKaartenBreed, HeadingBarSpellsAlfaboLottoWithAHighlightOnEveryCard)
{
    const std::vector<Op> ops = blad(false);
    const std::vector<Op> balken = select(ops, [](const Op &op) { return op.kind == Kind::FilledBox; });
    ASSERT_EQ(balken.size(), 3u);
    for (int k = 0; k <= 2; ++k) {
        const Op &balk = balken[std::size_t(k)];
        const int Y0 = 600 + 5400 * k;
        EXPECT_EQ(QRect(QPoint(balk.x1, balk.y1), QPoint(balk.x2, balk.y2)),
                  QRect(QPoint(600, Y0), QPoint(11040, Y0 + 660)));
        EXPECT_EQ(balk.colour, LichtGrijs);
    }

    const std::vector<Op> licht = texts(ops, QColor(250, 250, 250), 24);
    const std::vector<Op> blauw = texts(ops, QColor(0, 0, 180), 24);
    ASSERT_EQ(licht.size(), 36u);
    ASSERT_EQ(blauw.size(), 36u);
    const QString kop = QStringLiteral("ALFABO-LOTTO");
    for (int k = 0; k <= 2; ++k)
        for (int c = 1; c <= 12; ++c) {
            const std::size_t n = std::size_t(12 * k + c - 1);
            const int X = 600 + 870 * (c - 1);
            const int Y0 = 600 + 5400 * k;
            EXPECT_EQ(licht[n].text, kop.mid(c - 1, 1));
            EXPECT_EQ(blauw[n].text, kop.mid(c - 1, 1));
            EXPECT_EQ(positions({licht[n]}).front(), QPoint(X + 240, Y0 - 45));
            EXPECT_EQ(positions({blauw[n]}).front(), QPoint(X + 270, Y0 - 15));
        }
}

TEST(MaakKaartenBreed, EveryColumnHasAHeadingCellAndFiveLetterCellsBelowAGap)
{
    const std::vector<Op> omtrekken = select(blad(false), [](const Op &op) { return op.kind == Kind::Box; });
    ASSERT_EQ(omtrekken.size(), 3u * 12 * 6);
    std::set<std::tuple<int, int, int, int>> gevonden;
    for (const Op &b : omtrekken) {
        EXPECT_EQ(b.colour, Zwart);
        gevonden.insert({b.x1, b.y1, b.x2, b.y2});
    }
    std::set<std::tuple<int, int, int, int>> verwacht;
    for (int k = 0; k <= 2; ++k) {
        const int Y0 = 600 + 5400 * k;
        for (int c = 1; c <= 12; ++c) {
            const int X = 600 + 870 * (c - 1);
            verwacht.insert({X, Y0, X + 870, Y0 + 660});
            for (int r = 1; r <= 5; ++r)
                verwacht.insert({X, Y0 + 720 * r, X + 870, Y0 + 720 * (r + 1)});
        }
    }
    EXPECT_EQ(gevonden, verwacht);
}

TEST(MaakKaartenBreed, SixtyLettersPerCardAtTheTopOfTheirCells)
{
    const std::vector<Op> letters = texts(blad(false), QColor(130, 130, 130), 24);
    ASSERT_EQ(letters.size(), 180u);
    std::set<std::pair<int, int>> plaatsen;
    for (const Op &l : letters) {
        EXPECT_EQ(l.font, (print::PageFont{"Comic Sans MS", 24, true}));
        plaatsen.insert({l.x1, l.y1});
    }
    std::set<std::pair<int, int>> verwacht;
    for (int k = 0; k <= 2; ++k)
        for (int c = 1; c <= 12; ++c)
            for (int r = 1; r <= 5; ++r)
                verwacht.insert({840 + 870 * (c - 1), 1320 + 720 * (r - 1) + 5400 * k});
    EXPECT_EQ(plaatsen, verwacht);
}

TEST(MaakKaartenBreed, MiddlePieceCoversColumnSevenOnlyWhenTicked)
{
    const struct {
        bool middenstuk;
        std::size_t grijzeVlakken;
    } cases[] = {{false, 3}, {true, 6}};

    for (const auto &c : cases) {
        SCOPED_TRACE(c.middenstuk);
        const std::vector<Op> ops = blad(c.middenstuk);
        const std::vector<Op> vlakken = select(ops, [](const Op &op) { return op.kind == Kind::FilledBox; });
        ASSERT_EQ(vlakken.size(), c.grijzeVlakken);
        if (!c.middenstuk)
            continue;

        const std::vector<QRect> verwacht{QRect(QPoint(5835, 1335), QPoint(6675, 4905)),
                                          QRect(QPoint(5835, 6735), QPoint(6675, 10305)),
                                          QRect(QPoint(5835, 12135), QPoint(6675, 15705))};
        for (std::size_t n = 0; n < 3; ++n) {
            const Op &v = vlakken[3 + n];
            EXPECT_EQ(QRect(QPoint(v.x1, v.y1), QPoint(v.x2, v.y2)), verwacht[n]);
            EXPECT_EQ(v.colour, LichtGrijs);
        }
        // Over the letters, under the card numbers.
        const int laatsteLetter = lastIndex(ops, [](const Op &op) {
            return op.kind == Kind::Text && op.colour == QColor(130, 130, 130);
        });
        const int eersteStuk = firstIndex(ops, [](const Op &op) {
            return op.kind == Kind::FilledBox && op.x1 == 5835;
        });
        const int eersteNummer = firstIndex(ops, [](const Op &op) { return op.kind == Kind::Text && op.font.points == 16; });
        EXPECT_GT(eersteStuk, laatsteLetter);
        EXPECT_LT(lastIndex(ops, [](const Op &op) { return op.kind == Kind::FilledBox; }), eersteNummer);
    }
}

TEST(MaakKaartenBreed, TickingTheMiddlePieceChangesNothingElse)
{
    std::vector<Op> zonder = blad(false, 11);
    std::vector<Op> met = blad(true, 11);
    met.erase(std::remove_if(met.begin(), met.end(),
                             [](const Op &op) { return op.kind == Kind::FilledBox && op.x1 == 5835; }),
              met.end());
    ASSERT_EQ(met.size(), zonder.size());
    for (std::size_t i = 0; i < met.size(); ++i) {
        EXPECT_EQ(met[i].kind, zonder[i].kind) << i;
        EXPECT_EQ(met[i].text, zonder[i].text) << i;
        EXPECT_EQ(QPoint(met[i].x1, met[i].y1), QPoint(zonder[i].x1, zonder[i].y1)) << i;
    }
}

TEST(MaakKaartenVan, MiddlePieceOptionCountsOnlyForTheWideCards)
{
    for (print::KaartSoort soort :
         {print::KaartSoort::Bingo, print::KaartSoort::Random, print::KaartSoort::VierBijVier}) {
        core::SeededRandom a(5), b(5);
        RecordingSurface zonder, met;
        print::MaakKaartenVan(soort, zonder, a, QStringLiteral("x"), false);
        print::MaakKaartenVan(soort, met, b, QStringLiteral("x"), true);
        EXPECT_EQ(met.operations().size(), zonder.operations().size());
        EXPECT_EQ(met.operations(Kind::FilledBox).size(), zonder.operations(Kind::FilledBox).size());
    }
}
