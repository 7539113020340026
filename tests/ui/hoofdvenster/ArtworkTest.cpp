// The pictures the windows load from the compiled-in resources and from Data/: a missing or
// wrongly sized picture would only show up as an empty spot or a misplaced wheel.
#include <QColor>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Afbeelding
{
    const char *naam;
    int breedte;
    int hoogte;
};

constexpr Afbeelding kAfbeeldingen[] = {
    {"rad-bingo.png", 600, 600},        {"rad-quiz.png", 600, 600},
    {"rad-bingo-klein.png", 160, 160},  {"rad-quiz-klein.png", 160, 160},
    {"knop1-nieuwe-ronde.png", 48, 48}, {"knop2-scorelijst.png", 48, 48},
    {"knop3-meer-software.png", 48, 48}, {"knop4-spelsoort.png", 48, 48},
    {"knop5-instellingen.png", 48, 48}, {"knop6-afdrukken.png", 48, 48},
    {"knop8-woordenlijst.png", 48, 48}, {"knop9-help.png", 48, 48},
    {"about.png", 48, 48},              {"exit.png", 48, 48},
    {"start.png", 48, 40},              {"printer-icon.png", 32, 32},
    {"free.png", 50, 40},               {"free-groot.png", 250, 200},
    {"logo.png", 180, 150},             {"kaart0.png", 520, 250},
    {"kaart1.png", 520, 250},           {"kaart2.png", 520, 250},
    {"kaart3.png", 520, 250},           {"kaart4.png", 520, 250},
    {"quiz-help.png", 315, 253},        {"printer.png", 64, 64},
    {"about-foto.png", 118, 130},       {"instellingen.png", 100, 100},
    {"minimaliseer.png", 32, 32},       {"cursor.png", 32, 32},
};

// Pictures copied by the buttons with pure green left out.
constexpr const char *kGemaskerd[] = {
    "knop1-nieuwe-ronde.png", "knop2-scorelijst.png", "knop3-meer-software.png",
    "knop4-spelsoort.png",    "knop5-instellingen.png", "knop6-afdrukken.png",
    "knop8-woordenlijst.png", "knop9-help.png",         "about.png",
    "exit.png",               "start.png",              "printer-icon.png",
};

QImage resource(const char *naam)
{
    return QImage(QStringLiteral(":/images/") + QString::fromLatin1(naam));
}

bool isMaskerGroen(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 255 && qBlue(pixel) == 0;
}

TEST(ArtworkTest, everyPictureLoadsWithItsSize)
{
    for (const Afbeelding &afbeelding : kAfbeeldingen) {
        SCOPED_TRACE(afbeelding.naam);
        const QImage beeld = resource(afbeelding.naam);
        ASSERT_FALSE(beeld.isNull());
        EXPECT_EQ(beeld.width(), afbeelding.breedte);
        EXPECT_EQ(beeld.height(), afbeelding.hoogte);
    }
}

TEST(ArtworkTest, wheelFilesInDataAreFullSizeOnTheWindowBackground)
{
    for (const char *naam : {"rad-1.jpg", "rad-2.jpg"}) {
        SCOPED_TRACE(naam);
        const QImage beeld(QStringLiteral(ALFABO_SOURCE_DIR "/assets/Data/") + QString::fromLatin1(naam));
        ASSERT_FALSE(beeld.isNull());
        EXPECT_EQ(beeld.width(), 600);
        EXPECT_EQ(beeld.height(), 600);
        // The corners lie outside the wheel and must match the wheel panel's RGB(40, 0, 0).
        const QColor hoek = beeld.pixelColor(2, 2);
        EXPECT_LE(std::abs(hoek.red() - 40), 4);
        EXPECT_LE(hoek.green(), 4);
        EXPECT_LE(hoek.blue(), 4);
    }
}

// A partly transparent or green-blended edge pixel would show as a green fringe on the
// button, because the button leaves out only the exact mask colour.
TEST(ArtworkTest, maskedIconsAreOpaqueWithGreenOnlyWhereLeftOut)
{
    for (const char *naam : kGemaskerd) {
        SCOPED_TRACE(naam);
        const QImage beeld = resource(naam).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(beeld.isNull());
        EXPECT_TRUE(isMaskerGroen(beeld.pixel(0, 0)));
        int groenig = 0;
        for (int y = 0; y < beeld.height(); ++y) {
            for (int x = 0; x < beeld.width(); ++x) {
                const QRgb pixel = beeld.pixel(x, y);
                ASSERT_EQ(qAlpha(pixel), 255);
                const bool bijnaGroen = qGreen(pixel) > 200 && qRed(pixel) < 60 && qBlue(pixel) < 60;
                if (bijnaGroen && !isMaskerGroen(pixel))
                    ++groenig;
            }
        }
        EXPECT_EQ(groenig, 0);
        // The symbol itself is there: the middle of the icon is drawn, not left out.
        EXPECT_FALSE(isMaskerGroen(beeld.pixel(beeld.width() / 2, beeld.height() / 2)));
    }
}

TEST(ArtworkTest, cursorHasItsTipAtTheHotspotAndAClearBackground)
{
    const QImage cursor = resource("cursor.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(cursor.isNull());
    EXPECT_GT(qAlpha(cursor.pixel(1, 1)), 128);
    EXPECT_EQ(qAlpha(cursor.pixel(31, 0)), 0);
    EXPECT_EQ(qAlpha(cursor.pixel(31, 31)), 0);
}

} // namespace
