// The four card sheets: where everything lands on the page and which letters the cards show. The sheets
// are recorded; cells and cards are read back from the drawn lines and outlines, and text is measured in
// the faces the page surface prints with, so "inside", "over" and "off" are about the ink. The last test
// checks on pixels that the page surface puts the ink where it was measured.

#include "core/kaarten/BladCode.h"
#include "core/RandomSource.h"
#include "print/KaartLayouts.h"
#include "print/PrintJob.h"
#include "print/QtPageSurface.h"
#include "print/RecordingSurface.h"
#include "print/RecordingTarget.h"
#include "widgets/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <set>

using namespace print;
using enum KaartSoort;
using Op = PageOperation;
using Kind = Op::Kind;

namespace {

const QRectF Bedrukbaar(0, 0, 11906 - 720, 16838 - 720); // A4 less PdfTarget's quarter-inch margins
const QString Reclame = QStringLiteral("www.alfabolotto.nl");

// Per kind: the cards, their letter cells, the heading over their columns; as anchors the letter cells of
// card 1 and of the last card, and the footer.
const struct Soort {
    const char *naam;
    KaartSoort soort;
    bool middenstuk;
    int kaarten, kolommen, rijen;
    QString kop; // each heading letter twice: its shadow, then the letter over it
    QPoint eersteKaart, laatsteKaart, voettekst;
} Soorten[] = {
    {"MaakKaarten", Bingo, false, 6, 5, 5, "BBIINNGGOO", {600, 1380}, {10710, 15600}, {600, 15720}},
    {"MaakKaartenRandom", Random, false, 6, 5, 5, "BBIINNGGOO", {600, 1380}, {10710, 15600}, {600, 15720}},
    {"MaakKaartenBreed", Breed, false, 3, 12, 5, "AALLFFAABBOO--LLOOTTTTOO", {600, 1320}, {11040, 15720}, {600, 15780}},
    {"MetMiddenstuk", Breed, true, 3, 12, 5, "AALLFFAABBOO--LLOOTTTTOO", {600, 1320}, {11040, 15720}, {600, 15780}},
    {"Maak4x4Kaarten", VierBijVier, false, 6, 4, 4, "", {600, 2700}, {11160, 15300}, {600, 15420}},
};

QRectF vlak(const Op &op)
{
    if (op.kind != Kind::Text)
        return QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
    widgets::installFontSubstitutions(); // as the page surface does before its first text
    const QFontMetricsF maat(QtPageSurface::qtFont(op.font));
    return maat.tightBoundingRect(op.text).translated(op.x1, op.y1 + maat.ascent());
}

// The grey letters of the cards, not the headings over them.
bool isLetter(const Op &op)
{
    return op.kind == Kind::Text && op.text.size() == 1 && op.text[0].isUpper() && op.colour.hsvSaturation() == 0
        && op.colour.value() > 0 && op.colour.value() < 150;
}

// The cell of a letter: the nearest line or outline on each side that runs past its ink.
QRectF celOm(const std::vector<Op> &ops, const QRectF &r)
{
    QRectF cel(QPointF(-1e6, -1e6), QPointF(1e6, 1e6));
    for (const Op &op : ops) {
        const QRectF o = op.kind == Kind::Line || op.kind == Kind::Box ? vlak(op) : QRectF();
        for (double x : {o.left(), o.right()})
            if (!o.isNull() && o.top() <= r.top() && o.bottom() >= r.bottom())
                x <= r.left() ? cel.setLeft(std::max(cel.left(), x)) : cel.setRight(std::min(cel.right(), x));
        for (double y : {o.top(), o.bottom()})
            if (!o.isNull() && o.left() <= r.left() && o.right() >= r.right())
                y <= r.top() ? cel.setTop(std::max(cel.top(), y)) : cel.setBottom(std::min(cel.bottom(), y));
    }
    return cel;
}

struct Letter {
    QString tekst;
    QRectF inkt, cel;
};
struct Kaart {
    QRectF rand; // around its letter cells
    std::vector<Letter> letters;
};

struct Blad {
    std::vector<Op> ops;
    std::vector<Kaart> kaarten; // letters in touching cells, in the order they are drawn and numbered

    explicit Blad(const Soort &s, std::uint64_t seed = 1, const QString &reclame = Reclame)
    {
        core::SeededRandom random(seed);
        RecordingSurface surface;
        MaakKaartenVan(s.soort, surface, random, reclame, s.middenstuk);
        ops = surface.operations();
        for (const Op &op : ops | std::views::filter(isLetter)) {
            const Letter l{op.text, vlak(op), celOm(ops, vlak(op))};
            const auto aan = [&](const Kaart &k) { return k.rand.adjusted(-1, -1, 1, 1).intersects(l.cel); };
            const auto kaart = std::ranges::find_if(kaarten, aan);
            if (kaart == kaarten.end())
                kaarten.push_back({l.cel, {l}});
            else
                kaart->rand |= l.cel, kaart->letters.push_back(l);
        }
    }
};

void PrintTo(const Soort &s, std::ostream *os) { *os << s.naam; }
struct KaartBlad : testing::TestWithParam<Soort> {
    const Soort &s = GetParam();
};
INSTANTIATE_TEST_SUITE_P(, KaartBlad, testing::ValuesIn(Soorten), [](const auto &p) { return p.param.naam; });

} // namespace

// Printed as a job, every sheet carries "Blad CODE" on its footer line, ending at the right edge of
// its cards, and that code makes the very cards printed on it; the sheets of a job differ.
TEST_P(KaartBlad, TheCodeOnEverySheetMakesItsCardsAgain)
{
    RecordingTarget target;
    core::SeededRandom random(3);
    drukKaarten(target, s.soort, 3, random, Reclame, s.middenstuk);
    std::set<QString> codes;
    for (const auto &document : target.documents()) {
        const std::vector<Op> &ops = document->operations();
        const auto code = std::ranges::find_if(ops, [](const Op &op) { return op.text.startsWith("Blad "); });
        ASSERT_NE(code, ops.end());
        codes.insert(code->text);
        EXPECT_EQ(code->y1, s.voettekst.y());
        EXPECT_NEAR(vlak(*code).right(), s.laatsteKaart.x(), 30) << "1.5 pt";
        const std::optional<core::BladCode> gelezen = core::leesCode(code->text.mid(5).toStdString());
        ASSERT_TRUE(gelezen) << code->text.toStdString();
        QString verwacht, gedrukt;
        for (const core::BingoKaart &kaart : core::kaartenVanBlad(*gelezen))
            for (int kolom = 1; kolom <= kaart.kolommen(); ++kolom)
                for (int rij = 1; rij <= kaart.rijen(); ++rij)
                    verwacht += QChar::fromLatin1(core::kaartLetterTeken(kaart.letter(kolom, rij)));
        for (const Op &op : ops | std::views::filter(isLetter))
            gedrukt += op.text;
        EXPECT_EQ(gedrukt, verwacht);
    }
    EXPECT_EQ(codes.size(), 3u);
}

TEST_P(KaartBlad, CardsAreEqualGridsOfOneLetterPerCellOnARegularLatticeWithAllInkInsideThePage)
{
    const Blad b(s, 2);
    ASSERT_EQ(b.kaarten.size(), std::size_t(s.kaarten));
    const std::size_t perRij = b.kaarten.size() / 3;
    const QRectF &eerste = b.kaarten[0].rand;
    // From one card to the next in a row, and from one row to the next.
    const QPointF stap =
        b.kaarten[perRij].rand.topLeft() - eerste.topLeft() + b.kaarten[perRij - 1].rand.topLeft() - eerste.topLeft();
    const QSizeF cel(eerste.width() / s.kolommen, eerste.height() / s.rijen);
    for (std::size_t n = 0; n < b.kaarten.size(); ++n) {
        const Kaart &k = b.kaarten[n];
        EXPECT_EQ(k.rand, eerste.translated(stap.x() * double(n % perRij), stap.y() * double(n / perRij)));
        for (std::size_t m = 0; m < n; ++m)
            EXPECT_FALSE(k.rand.intersects(b.kaarten[m].rand)) << n << " and " << m;
        std::set<std::pair<double, double>> cellen;
        for (const Letter &l : k.letters) {
            cellen.insert({l.cel.left(), l.cel.top()});
            EXPECT_EQ(l.cel.size(), cel);
            EXPECT_LT(QLineF(l.inkt.center(), l.cel.center()).length(), std::min(cel.width(), cel.height()) / 5);
        }
        EXPECT_EQ(cellen.size(), std::size_t(s.kolommen * s.rijen));
        EXPECT_EQ(k.letters.size(), cellen.size()); // one letter in every cell
    }
    EXPECT_EQ(eerste.topLeft(), QPointF(s.eersteKaart));
    EXPECT_EQ(b.kaarten.back().rand.bottomRight(), QPointF(s.laatsteKaart));
    for (const Op &op : b.ops)
        EXPECT_EQ(Bedrukbaar | vlak(op), Bedrukbaar) << int(op.kind) << " " << op.text.toStdString();
}

TEST_P(KaartBlad, HeadingsAndNumbersStandByTheirOwnCardAndTheFooterComesLastBelowThemAll)
{
    const Blad b(s, 3);
    std::vector<QString> teksten(b.kaarten.size());
    for (const Op &op : b.ops | std::views::filter([](const Op &o) { return o.kind == Kind::Text && !isLetter(o); })) {
        const auto afstand = [&](const Kaart &k) { return QLineF(vlak(op).center(), k.rand.center()).length(); };
        teksten[std::ranges::min_element(b.kaarten, {}, afstand) - b.kaarten.begin()] +=
            op.text.size() == 1 ? op.text : "";
    }
    for (std::size_t n = 0; n < b.kaarten.size(); ++n)
        EXPECT_EQ(teksten[n], s.kop + QString::number(n + 1));
    const Op &voet = b.ops.back();
    EXPECT_EQ(voet.text, Reclame);
    EXPECT_EQ(QPoint(voet.x1, voet.y1), s.voettekst);
    EXPECT_GT(vlak(voet).top(), b.kaarten.back().rand.bottom());
    // An empty footer writes nothing: the sheet then ends on the last card number.
    EXPECT_EQ(Blad(s, 3, QString()).ops.back().text, QString::number(s.kaarten));
}

TEST_P(KaartBlad, FreePicturesOrTheMiddlePieceHideWholeLettersWhereTheKindSaysAndOnlyBingoLettersDiffer)
{
    const Blad b(s, 4);
    std::vector<QRectF> over; // drawn after the last letter
    for (auto op = std::find_if(b.ops.rbegin(), b.ops.rend(), isLetter).base(); op != b.ops.end(); ++op)
        if (op->kind == Kind::Picture || op->kind == Kind::FilledBox)
            over.push_back(vlak(*op));
    for (const Kaart &k : b.kaarten) {
        std::set<QString> verschillend;
        for (const Letter &l : k.letters) {
            const bool hoek = (l.cel.left() == k.rand.left() || l.cel.right() == k.rand.right())
                && (l.cel.top() == k.rand.top() || l.cel.bottom() == k.rand.bottom());
            const bool kolom7 = l.cel.left() == k.rand.left() + 6 * k.rand.width() / 12;
            const auto stuk = std::ranges::find_if(over, [&](const QRectF &o) { return o.intersects(l.inkt); });
            EXPECT_EQ(stuk != over.end(), s.soort == Bingo ? hoek : s.middenstuk && kolom7);
            EXPECT_TRUE(stuk == over.end() || stuk->contains(l.inkt)); // the whole letter
            verschillend.insert(l.tekst);
        }
        // Other cards draw every cell afresh: a sheet of them without a repeat is next to impossible.
        EXPECT_EQ(verschillend.size() == k.letters.size(), s.soort == Bingo);
    }
}

TEST(QtPageSurface, InksTheSheetWhereItWasMeasured)
{
    // At 96 dots per inch, 15 twips a dot. The extremes of the sheet are its title, cards and footer, so this
    // checks the scale, the lines and that text stands on its baseline one ascent below its line box.
    QImage image(1000, 1300, QImage::Format_RGB32); // room to spare around the printable area, 746 x 1075 dots
    image.fill(Qt::white);
    QPainter painter(&image);
    QtPageSurface surface(painter, [&] { return painter.end(); });
    core::SeededRandom random(1);
    Maak4x4Kaarten(surface, random, Reclame);
    EXPECT_TRUE(surface.endDocument() && surface.endDocument()); // ends the painter once
    QRectF inkt, verwacht;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inkt |= qGray(image.pixel(x, y)) < 200 ? QRectF(x, y, 1, 1) : QRectF();
    for (const Op &op : Blad(Soorten[4]).ops)
        verwacht |= QRectF(vlak(op).topLeft() / 15, vlak(op).bottomRight() / 15);
    for (auto zijde : {&QRectF::left, &QRectF::top, &QRectF::right, &QRectF::bottom})
        EXPECT_NEAR((inkt.*zijde)(), (verwacht.*zijde)(), 1.5);
}
