// The two sheets of six 5 x 5 cards: MaakKaarten and MaakKaartenRandom.

#include "KaartTestHulp.h"

#include "print/KaartLayouts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace kaarttest;
using print::KaartSoort;
using print::RecordingSurface;

namespace {

const QColor Zwart(0, 0, 0);
const QColor LetterGrijs(130, 130, 130);

struct Soort5x5 {
    const char *naam;
    KaartSoort soort;
    QColor kopKleur;
};

const Soort5x5 BeideSoorten[] = {
    {"MaakKaarten", KaartSoort::Bingo, QColor(200, 0, 0)},
    {"MaakKaartenRandom", KaartSoort::Random, QColor(0, 200, 0)},
};

std::vector<Op> blad(KaartSoort soort, std::uint64_t seed = 1)
{
    core::SeededRandom random(seed);
    RecordingSurface surface;
    print::MaakKaartenVan(soort, surface, random, QStringLiteral("www.alfabolotto.nl"));
    return surface.operations();
}

// Card number 1..6 of a letter written at (x, y).
int kaartVan(const Op &letter)
{
    const int c = letter.x1 >= 6210 ? 1 : 0;
    const int k = (letter.y1 - 600) / 5160;
    return 2 * k + c + 1;
}

} // namespace

TEST(Bingokaarten5x5, HeadingLettersHaveABlackShadowThirtyUpAndLeft)
{
    for (const Soort5x5 &s : BeideSoorten) {
        SCOPED_TRACE(s.naam);
        const std::vector<Op> ops = blad(s.soort);
        const std::vector<Op> koppen =
            select(ops, [](const Op &op) { return op.kind == Kind::Text && op.font.points == 32; });
        ASSERT_EQ(koppen.size(), 60u); // 5 letters x 3 card rows x 2 card columns, twice

        std::set<std::pair<int, int>> schaduwPlaatsen;
        for (std::size_t n = 0; n < koppen.size(); n += 2) {
            const Op &schaduw = koppen[n];
            const Op &kop = koppen[n + 1];
            EXPECT_EQ(schaduw.colour, Zwart);
            EXPECT_EQ(kop.colour, s.kopKleur);
            EXPECT_EQ(kop.text, schaduw.text);
            EXPECT_EQ(QPoint(kop.x1 - schaduw.x1, kop.y1 - schaduw.y1), QPoint(30, 30));
            EXPECT_EQ(kop.font, (print::PageFont{"Comic Sans MS", 32, true}));
            schaduwPlaatsen.insert({schaduw.x1, schaduw.y1});

            // Column i of either card shows letter i of "BINGO".
            const int i = ((schaduw.x1 - 810) % 5610) / 900;
            EXPECT_EQ(schaduw.text, QString(QChar(u"BINGO"[i])));
        }
        std::set<std::pair<int, int>> verwacht;
        for (int c = 0; c <= 1; ++c)
            for (int i = 0; i <= 4; ++i)
                for (int k = 0; k <= 2; ++k)
                    verwacht.insert({600 + 900 * i + 5610 * c + 210, 510 + 5160 * k});
        EXPECT_EQ(schaduwPlaatsen, verwacht);
    }
}

TEST(Bingokaarten5x5, GridIsSevenRowLinesAndSixColumnLinesPerCardInBlack)
{
    for (const Soort5x5 &s : BeideSoorten) {
        SCOPED_TRACE(s.naam);
        const std::vector<Op> lijnen = select(blad(s.soort), [](const Op &op) { return op.kind == Kind::Line; });
        ASSERT_EQ(lijnen.size(), 2u * (7 * 3 + 6 * 3));

        std::set<std::tuple<int, int, int, int>> gevonden;
        for (const Op &l : lijnen) {
            EXPECT_EQ(l.colour, Zwart);
            gevonden.insert({l.x1, l.y1, l.x2, l.y2});
        }
        std::set<std::tuple<int, int, int, int>> verwacht;
        for (int X : {0, 5610}) {
            for (int k = 0; k <= 2; ++k)
                for (int j = 0; j <= 6; ++j)
                    verwacht.insert({600 + X, 600 + 780 * j + 5160 * k, 5100 + X, 600 + 780 * j + 5160 * k});
            for (int i = 0; i <= 5; ++i) {
                const int x = 600 + 900 * i + X;
                verwacht.insert({x, 600, x, 5280});
                verwacht.insert({x, 5760, x, 10440});
                verwacht.insert({x, 10920, x, 15600});
            }
        }
        EXPECT_EQ(gevonden, verwacht);
    }
}

TEST(Bingokaarten5x5, LettersFillAllTwentyFiveCellsOfSixCards)
{
    for (const Soort5x5 &s : BeideSoorten) {
        SCOPED_TRACE(s.naam);
        const std::vector<Op> letters = texts(blad(s.soort), LetterGrijs, 24);
        ASSERT_EQ(letters.size(), 150u);

        std::set<std::pair<int, int>> plaatsen;
        for (const Op &l : letters) {
            EXPECT_EQ(l.font, (print::PageFont{"Comic Sans MS", 24, true}));
            ASSERT_EQ(l.text.size(), 1);
            EXPECT_TRUE(l.text[0] >= u'A' && l.text[0] <= u'Z') << l.text.toStdString();
            plaatsen.insert({l.x1, l.y1});
        }
        std::set<std::pair<int, int>> verwacht;
        for (int k = 0; k <= 2; ++k)
            for (int c = 0; c <= 1; ++c)
                for (int j = 1; j <= 5; ++j)
                    for (int i = 1; i <= 5; ++i)
                        verwacht.insert({855 + 900 * (j - 1) + 5610 * c, 1440 + 780 * (i - 1) + 5160 * k});
        EXPECT_EQ(plaatsen, verwacht);

        // Card by card: 1 and 2 on top, then 3 and 4, then 5 and 6; each column top to bottom.
        EXPECT_EQ(positions({letters.front()}).front(), QPoint(855, 1440));
        EXPECT_EQ(positions({letters[1]}).front(), QPoint(855, 2220));
        EXPECT_EQ(positions({letters[25]}).front(), QPoint(6465, 1440));
        EXPECT_EQ(positions({letters.back()}).front(), QPoint(10065, 14880));
    }
}

TEST(MaakKaarten, EveryCardShowsTwentyOneDifferentLettersAndHidesFourUnderFree)
{
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const std::vector<Op> letters = texts(blad(KaartSoort::Bingo, seed), LetterGrijs, 24);
        std::map<int, std::set<QString>> alle, zichtbaar;
        for (const Op &l : letters) {
            const int kaart = kaartVan(l);
            alle[kaart].insert(l.text);
            const int kolom = ((l.x1 - 855) % 5610) / 900 + 1;
            const int rij = ((l.y1 - 1440) % 5160) / 780 + 1;
            const bool hoek = (kolom == 1 || kolom == 5) && (rij == 1 || rij == 5);
            if (!hoek)
                zichtbaar[kaart].insert(l.text);
        }
        ASSERT_EQ(alle.size(), 6u);
        for (int kaart = 1; kaart <= 6; ++kaart) {
            EXPECT_EQ(alle[kaart].size(), 25u) << "seed " << seed << " card " << kaart;
            EXPECT_EQ(zichtbaar[kaart].size(), 21u) << "seed " << seed << " card " << kaart;
        }
    }
}

TEST(MaakKaarten, TwentyFourFreePicturesCoverTheCornersInTheirOrder)
{
    const std::vector<Op> ops = blad(KaartSoort::Bingo);
    const std::vector<Op> plaatjes = select(ops, [](const Op &op) { return op.kind == Kind::Picture; });

    const std::vector<QPoint> verwacht{
        {675, 1455},  {6285, 1455},  {675, 6615},  {6285, 6615},  {675, 11770},  {6285, 11770},
        {4275, 1455}, {9885, 1455},  {4275, 6615}, {9885, 6615},  {4275, 11770}, {9885, 11770},
        {675, 4575},  {6285, 4575},  {675, 9735},  {6285, 9735},  {675, 14890},  {6285, 14890},
        {4275, 4575}, {9885, 4575},  {4275, 9735}, {9885, 9735},  {4275, 14890}, {9885, 14890},
    };
    EXPECT_EQ(positions(plaatjes), verwacht);
    for (const Op &p : plaatjes) {
        EXPECT_EQ(p.pictureName, QString::fromLatin1(print::FreePlaatjeNaam));
        EXPECT_EQ(p.pictureSize, QSize(750, 630));
    }
    // Drawn after the letters, or the corner letters would show through.
    const int laatsteLetter = lastIndex(ops, [](const Op &op) { return op.kind == Kind::Text && op.font.points == 24; });
    const int eerstePlaatje = firstIndex(ops, [](const Op &op) { return op.kind == Kind::Picture; });
    EXPECT_GT(eerstePlaatje, laatsteLetter);
}

TEST(MaakKaartenRandom, DrawsEveryCellWithoutRetryAndPrintsNoFreePictures)
{
    // A source stuck on one number would never finish a card of different letters;
    // here every one of the 150 cells simply shows that letter.
    ConstantRandom random(0.5);
    RecordingSurface surface;
    print::MaakKaartenRandom(surface, random, QString());
    const std::vector<Op> letters = texts(surface.operations(), LetterGrijs, 24);
    ASSERT_EQ(letters.size(), 150u);
    for (const Op &l : letters)
        EXPECT_EQ(l.text, QStringLiteral("N"));
    EXPECT_TRUE(surface.operations(Kind::Picture).empty());
}

TEST(MaakKaartenRandom, CardsMayRepeatLetters)
{
    const std::vector<Op> letters = texts(blad(KaartSoort::Random, 99), LetterGrijs, 24);
    std::map<int, std::set<QString>> perKaart;
    for (const Op &l : letters)
        perKaart[kaartVan(l)].insert(l.text);
    int metHerhaling = 0;
    for (const auto &[kaart, verschillend] : perKaart)
        if (verschillend.size() < 25)
            ++metHerhaling;
    EXPECT_GT(metHerhaling, 0);
}

TEST(Bingokaarten5x5, StepsFollowEachOtherGridLettersPicturesNumbersFooter)
{
    for (const Soort5x5 &s : BeideSoorten) {
        SCOPED_TRACE(s.naam);
        const std::vector<Op> ops = blad(s.soort);
        const auto isRaster = [](const Op &op) {
            return op.kind == Kind::Line || (op.kind == Kind::Text && op.font.points == 32);
        };
        const auto isLetter = [](const Op &op) { return op.kind == Kind::Text && op.font.points == 24; };
        const auto isNummer = [](const Op &op) { return op.kind == Kind::Text && op.font.points == 16; };
        EXPECT_LT(lastIndex(ops, isRaster), firstIndex(ops, isLetter));
        EXPECT_LT(lastIndex(ops, isLetter), firstIndex(ops, isNummer));
        EXPECT_EQ(ops.back().text, QStringLiteral("www.alfabolotto.nl"));
    }
}
