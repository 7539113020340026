// What all four card sheets share: card numbers, footer, bold text.

#include "KaartTestHulp.h"

#include "print/KaartLayouts.h"

#include <gtest/gtest.h>

using namespace kaarttest;
using print::KaartSoort;
using print::RecordingSurface;

namespace {

struct Soort {
    const char *naam;
    KaartSoort soort;
    bool middenstuk;
    std::vector<QPoint> nummers;
    QPoint voettekst;
};

const std::vector<Soort> &alleSoorten()
{
    static const std::vector<Soort> soorten{
        {"MaakKaarten", KaartSoort::Bingo, false,
         {{5220, 4800}, {5910, 4800}, {5220, 9960}, {5910, 9960}, {5220, 15120}, {5910, 15120}},
         {600, 15720}},
        {"MaakKaartenRandom", KaartSoort::Random, false,
         {{5220, 4800}, {5910, 4800}, {5220, 9960}, {5910, 9960}, {5220, 15120}, {5910, 15120}},
         {600, 15720}},
        {"MaakKaartenBreed", KaartSoort::Breed, false, {{10800, 5010}, {10800, 10410}, {10800, 15810}}, {600, 15780}},
        {"MaakKaartenBreed met middenstuk", KaartSoort::Breed, true,
         {{10800, 5010}, {10800, 10410}, {10800, 15810}},
         {600, 15780}},
        {"Maak4x4Kaarten", KaartSoort::VierBijVier, false,
         {{5430, 6000}, {6150, 6000}, {5430, 10500}, {6150, 10500}, {5430, 15000}, {6150, 15000}},
         {600, 15420}},
    };
    return soorten;
}

std::vector<Op> blad(const Soort &s, const QString &reclame)
{
    core::SeededRandom random(17);
    RecordingSurface surface;
    print::MaakKaartenVan(s.soort, surface, random, reclame, s.middenstuk);
    return surface.operations();
}

} // namespace

TEST(KaartBlad, CardNumbersInBlackArialSixteenAtTheirPlaces)
{
    for (const Soort &s : alleSoorten()) {
        SCOPED_TRACE(s.naam);
        const std::vector<Op> nummers = texts(blad(s, QStringLiteral("reclame")), QColor(0, 0, 0), 16);
        ASSERT_EQ(nummers.size(), s.nummers.size());
        for (std::size_t n = 0; n < nummers.size(); ++n) {
            EXPECT_EQ(nummers[n].text, QString::number(n + 1));
            EXPECT_EQ(nummers[n].font, (print::PageFont{"Arial", 16, true}));
        }
        EXPECT_EQ(positions(nummers), s.nummers);
    }
}

TEST(KaartBlad, FooterIsTheLastTextInGreyArialElevenAndWrittenUnchanged)
{
    const QString lang = QStringLiteral("Bingo-avond in De Kroon, zaterdag 14 maart om 20.00 uur \u2013 "
                                        "toegang gratis, kaarten \u20AC 1,50 per stuk, "
                                        "iedereen is welkom bij de vereniging 'Ons Genoegen'!");
    for (const Soort &s : alleSoorten()) {
        for (const QString &reclame : {QStringLiteral("www.alfabolotto.nl"), lang}) {
            SCOPED_TRACE(s.naam);
            const std::vector<Op> ops = blad(s, reclame);
            const Op &voet = ops.back();
            EXPECT_EQ(voet.kind, Kind::Text);
            EXPECT_EQ(voet.text, reclame);
            EXPECT_EQ(positions({voet}).front(), s.voettekst);
            EXPECT_EQ(voet.colour, QColor(160, 160, 160));
            EXPECT_EQ(voet.font, (print::PageFont{"Arial", 11, true}));
            EXPECT_EQ(texts(ops, QColor(160, 160, 160), 11).size(), 1u);
        }
    }
}

TEST(KaartBlad, EmptyFooterWritesNothing)
{
    for (const Soort &s : alleSoorten()) {
        SCOPED_TRACE(s.naam);
        const std::vector<Op> met = blad(s, QStringLiteral("x"));
        const std::vector<Op> zonder = blad(s, QString());
        EXPECT_EQ(zonder.size() + 1, met.size());
        EXPECT_TRUE(texts(zonder, QColor(160, 160, 160), 11).empty());
        EXPECT_EQ(zonder.back().text, QString::number(s.nummers.size())); // the last card number
    }
}

TEST(KaartBlad, BoldStaysOnForEveryTextOfTheSheet)
{
    for (const Soort &s : alleSoorten()) {
        SCOPED_TRACE(s.naam);
        for (const Op &op : blad(s, QStringLiteral("voet"))) {
            if (op.kind == Kind::Text) {
                EXPECT_TRUE(op.font.bold) << op.text.toStdString();
            }
        }
    }
}

TEST(KaartBlad, NothingIsEndedByTheSheetItself)
{
    // Ending the document belongs to the print job, after the footer.
    for (const Soort &s : alleSoorten()) {
        SCOPED_TRACE(s.naam);
        for (const Op &op : blad(s, QStringLiteral("voet")))
            EXPECT_NE(op.kind, Kind::EndDocument);
    }
}
