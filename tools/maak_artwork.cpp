// Draws every picture of the program in code, so the artwork can be changed and redrawn
// like the rest of the sources instead of living as hand-edited bitmaps.
//
// Usage: maak_artwork <repository root>
// Writes the compiled-in pictures to assets/images/ and the two wheel files that the
// game-type dialog loads to assets/Data/.
//
// All pictures share one scheme: the dark red of the main window with gold accents,
// light symbols on coloured rounded plates, white letters with a dark outline, so that
// everything stays readable on a projector.

#include "core/bingo/LetterRad.h"
#include "core/quiz/QuizRad.h"
#include "core/RandomSource.h"
#include "widgets/Fonts.h"

#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

const QColor kSchermRood(40, 0, 0);    // main window, wheel background
const QColor kHelpRood(60, 0, 0);      // help panels behind the card examples
const QColor kBordRood(100, 0, 0);     // board and letter boxes
const QColor kMaskerGroen(0, 255, 0);  // the buttons leave this colour out
const QColor kKnopVlak(226, 226, 226); // light face of a button, under the edge of an icon
const QColor kTitelGeel(250, 250, 0);  // game title on the main window

// An icon pixel needs at least this much cover to be kept; see opMaskerGroen.
constexpr int kDekkingsDrempel = 96;

// ---------------------------------------------------------------------------------------
// Shared helpers

// The pictures for large screens are the same drawings on 2 or 3 times as many pixels
// (saved as name@2x.png, name@3x.png).
int gDetail = 1;

QImage nieuwBeeld(int breedte, int hoogte, const QColor &vulling = Qt::transparent)
{
    QImage beeld(breedte * gDetail, hoogte * gDetail, QImage::Format_ARGB32_Premultiplied);
    beeld.setDevicePixelRatio(gDetail);
    beeld.fill(vulling);
    return beeld;
}

void zetKwaliteit(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A font of the program at an exact pixel size of the picture being drawn.
QFont lettertype(const char *familie, double pixels, bool vet = true, bool cursief = false)
{
    QFont font = widgets::designFont(QString::fromLatin1(familie), pixels * 0.75, vet, cursief);
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    return font;
}

// The text as an outline, its bounding box centred on a point: letters sit visually in
// the middle of a sector or tile whatever their ascent.
QPainterPath tekstPad(const QString &tekst, const QFont &font, QPointF midden)
{
    QPainterPath pad;
    pad.addText(0, 0, font, tekst);
    pad.translate(midden - pad.boundingRect().center());
    return pad;
}

void tekenOmrandeTekst(QPainter &p, const QPainterPath &pad, const QColor &vulling, const QColor &rand,
                       double randBreedte)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rand, randBreedte, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pad);
    p.setPen(Qt::NoPen);
    p.setBrush(vulling);
    p.drawPath(pad);
    p.restore();
}

// The text with its top-left corner at a point and a shadow copy offset from it, the way
// the program prints its titles (shadow first, the coloured copy over it).
void tekenSchaduwTekst(QPainter &p, const QString &tekst, const QFont &font, QPointF midden, const QColor &kleur,
                       const QColor &schaduw, double verschuiving)
{
    const QPainterPath pad = tekstPad(tekst, font, midden);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(schaduw);
    p.drawPath(pad.translated(verschuiving, verschuiving));
    p.setBrush(kleur);
    p.drawPath(pad);
    p.restore();
}

// The buttons copy an icon with pure green left out, pixel by pixel, so an icon cannot
// carry partial transparency. Pixels mostly covered by the drawing are blended onto the
// light button face, which keeps the outline smooth there; the others become green. No
// green is ever mixed into an edge, so the icons show no greenish fringe.
QImage opMaskerGroen(const QImage &tekening)
{
    const QImage bron = tekening.convertToFormat(QImage::Format_ARGB32);
    QImage uit(bron.size(), QImage::Format_RGB32);
    const auto meng = [](int kleur, int vlak, int dekking) {
        return (kleur * dekking + vlak * (255 - dekking) + 127) / 255;
    };
    for (int y = 0; y < bron.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(bron.constScanLine(y));
        auto *naar = reinterpret_cast<QRgb *>(uit.scanLine(y));
        for (int x = 0; x < bron.width(); ++x) {
            const int dekking = qAlpha(in[x]);
            if (dekking < kDekkingsDrempel) {
                naar[x] = kMaskerGroen.rgb();
                continue;
            }
            QRgb kleur =
                qRgb(meng(qRed(in[x]), kKnopVlak.red(), dekking), meng(qGreen(in[x]), kKnopVlak.green(), dekking),
                     meng(qBlue(in[x]), kKnopVlak.blue(), dekking));
            if (kleur == kMaskerGroen.rgb())
                kleur = qRgb(0, 254, 0); // a drawn pixel must never vanish with the mask
            naar[x] = kleur;
        }
    }
    return uit;
}

// Metal look of the wheel rims, the hub and the logo frame: light at the top left.
QLinearGradient metaal(QRectF vlak, const QColor &licht, const QColor &donker)
{
    QLinearGradient verloop(vlak.topLeft(), vlak.bottomRight());
    verloop.setColorAt(0.0, licht);
    verloop.setColorAt(0.45, donker.lighter(150));
    verloop.setColorAt(0.55, donker.lighter(130));
    verloop.setColorAt(1.0, donker);
    return verloop;
}

// A rounded coloured plate with a glossy upper half: the common ground of all icons.
void tekenPlaat(QPainter &p, QRectF vlak, const QColor &kleur, double straal)
{
    p.save();
    QLinearGradient verloop(vlak.topLeft(), vlak.bottomLeft());
    verloop.setColorAt(0.0, kleur.lighter(140));
    verloop.setColorAt(0.5, kleur);
    verloop.setColorAt(1.0, kleur.darker(145));
    p.setPen(QPen(kleur.darker(190), 1.5));
    p.setBrush(verloop);
    p.drawRoundedRect(vlak, straal, straal);

    const QRectF glansVlak = vlak.adjusted(2.5, 2.5, -2.5, -vlak.height() * 0.5);
    QLinearGradient glans(glansVlak.topLeft(), glansVlak.bottomLeft());
    glans.setColorAt(0.0, QColor(255, 255, 255, 120));
    glans.setColorAt(1.0, QColor(255, 255, 255, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(glans);
    p.drawRoundedRect(glansVlak, straal - 2, straal - 2);
    p.restore();
}

QPainterPath tandwiel(QPointF midden, double buiten, double binnen, double gat, int tanden)
{
    QPainterPath pad;
    const double stap = 2 * kPi / tanden;
    const auto punt = [&](double hoek, double straal) {
        return midden + QPointF(straal * std::sin(hoek), -straal * std::cos(hoek));
    };
    for (int t = 0; t < tanden; ++t) {
        const double a = t * stap;
        const QPointF voet = punt(a - 0.30 * stap, binnen);
        if (t == 0)
            pad.moveTo(voet);
        else
            pad.lineTo(voet);
        pad.lineTo(punt(a - 0.16 * stap, buiten));
        pad.lineTo(punt(a + 0.16 * stap, buiten));
        pad.lineTo(punt(a + 0.30 * stap, binnen));
        pad.lineTo(punt(a + 0.50 * stap, binnen * 0.99));
    }
    pad.closeSubpath();
    pad.addEllipse(midden, gat, gat);
    pad.setFillRule(Qt::OddEvenFill);
    return pad;
}

// ---------------------------------------------------------------------------------------
// Output

class Uitvoer
{
public:
    explicit Uitvoer(const QString &root)
        : m_afbeeldingen(root + QStringLiteral("/assets/images"))
        , m_data(root + QStringLiteral("/assets/Data"))
        , m_pictogrammen(root + QStringLiteral("/assets/pictogram"))
    {}

    bool maakMappen() const { return QDir().mkpath(m_afbeeldingen.path()) && QDir().mkpath(m_data.path()); }

    void png(const QString &naam, const QImage &beeld)
    {
        QString bestand = naam;
        if (gDetail > 1)
            bestand.insert(bestand.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(gDetail));
        bewaar(m_afbeeldingen.filePath(bestand), beeld, "PNG", -1);
    }

    // assets/pictogram/alfabolotto-<maat>.png, for the icon theme.
    void pictogram(int maat, const QImage &beeld)
    {
        QDir().mkpath(m_pictogrammen.path());
        bewaar(m_pictogrammen.filePath(QStringLiteral("alfabolotto-%1.png").arg(maat)), beeld, "PNG", -1);
    }

    void jpeg(const QString &naam, const QImage &beeld)
    {
        bewaar(m_data.filePath(naam), beeld.convertToFormat(QImage::Format_RGB32), "JPG", 92);
    }

    int fouten() const { return m_fouten; }

private:
    void bewaar(const QString &pad, const QImage &beeld, const char *formaat, int kwaliteit)
    {
        if (beeld.save(pad, formaat, kwaliteit)) {
            std::printf("%4d x %-4d %s\n", beeld.width(), beeld.height(), qPrintable(pad));
        } else {
            std::fprintf(stderr, "Kan %s niet schrijven\n", qPrintable(pad));
            ++m_fouten;
        }
    }

    QDir m_afbeeldingen;
    QDir m_data;
    QDir m_pictogrammen;
    int m_fouten = 0;
};

// ---------------------------------------------------------------------------------------
// Letter wheels, 600 x 600 with the centre at (300, 300)

// The pointer end points of both wheels come from the game rules; each letter is drawn on the
// ray through its point.
using RadPunt = core::RadPositie;
constexpr const auto &kBingoRad = core::LetterPositie;
constexpr const auto &kQuizRad = core::QuizRadTabel;

struct RadStijl {
    std::function<QColor(int index, char letter)> vakKleur;
    QColor schijfMidden; // calm inner disc: the pointer and the light-grey letter label lie on it
    QColor schijfRand;
    QColor metaalLicht;
    QColor metaalDonker;
    QColor lamp;
    QColor letterRand;
    double letterPixels;
    QString titel; // dim, above the centre, away from the letter label below it
    QColor titelKleur;
};

constexpr QPointF kRadMidden(300, 300);
constexpr double kRandBuiten = 294; // outer edge of the rim
constexpr double kVakBuiten = 271;  // sectors end here, the rim begins
constexpr double kVakBinnen = 207;  // the pointer ends 3 to 6 pixels inside the sectors
constexpr double kSchijf = 200;     // inner disc; a metal ring lies between it and the sectors
constexpr double kLetterStraal = 240;

// Clockwise from the top, in degrees 0..360, as the pointer sees the point.
double hoekVan(const RadPunt &punt)
{
    const double hoek = std::atan2(punt.x - 300.0, 300.0 - punt.y) * 180.0 / kPi;
    return hoek < 0 ? hoek + 360.0 : hoek;
}

QPointF opStraal(double graden, double straal)
{
    const double hoek = graden * kPi / 180.0;
    return kRadMidden + QPointF(straal * std::sin(hoek), -straal * std::cos(hoek));
}

QRectF cirkel(double straal) { return {kRadMidden.x() - straal, kRadMidden.y() - straal, 2 * straal, 2 * straal}; }

// A sector of the ring between two radii, from angle `van` clockwise to `tot`.
QPainterPath ringVak(double van, double tot, double binnen, double buiten)
{
    // Qt counts angles anticlockwise from three o'clock; the wheel clockwise from the top.
    QPainterPath pad;
    pad.arcMoveTo(cirkel(buiten), 90.0 - van);
    pad.arcTo(cirkel(buiten), 90.0 - van, -(tot - van));
    pad.arcTo(cirkel(binnen), 90.0 - tot, tot - van);
    pad.closeSubpath();
    return pad;
}

// Sector borders halfway between the rays of neighbouring letters, so every letter sits in
// the middle of its own sector even where the table's points are not evenly spaced.
std::vector<double> vakGrenzen(const std::vector<double> &hoeken)
{
    const std::size_t n = hoeken.size();
    std::vector<double> grenzen(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double vorige = hoeken[(i + n - 1) % n];
        double verschil = hoeken[i] - vorige;
        if (verschil < 0)
            verschil += 360.0;
        grenzen[i] = vorige + verschil / 2.0; // border before sector i
    }
    return grenzen;
}

void tekenRad(QPainter &p, std::span<const RadPunt> punten, const RadStijl &stijl)
{
    std::vector<double> hoeken;
    for (const RadPunt &punt : punten)
        hoeken.push_back(hoekVan(punt));
    const std::vector<double> grenzen = vakGrenzen(hoeken);
    const std::size_t n = punten.size();

    p.save();
    p.setPen(Qt::NoPen);

    // Soft shadow under the wheel, then the rim as one metal disc under everything else.
    QRadialGradient schaduw(kRadMidden + QPointF(4, 6), kRandBuiten + 6);
    schaduw.setColorAt(0.93, QColor(0, 0, 0, 150));
    schaduw.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(schaduw);
    p.drawEllipse(cirkel(kRandBuiten + 6).translated(4, 6));
    p.setBrush(metaal(cirkel(kRandBuiten), stijl.metaalLicht, stijl.metaalDonker));
    p.drawEllipse(cirkel(kRandBuiten));

    // Sectors, a little darker towards the centre for depth.
    for (std::size_t i = 0; i < n; ++i) {
        const double van = grenzen[i];
        double tot = grenzen[(i + 1) % n];
        if (tot < van)
            tot += 360.0;
        const QColor kleur = stijl.vakKleur(int(i), punten[i].letter);
        QRadialGradient verloop(kRadMidden, kVakBuiten);
        verloop.setColorAt(kVakBinnen / kVakBuiten, kleur.darker(135));
        verloop.setColorAt(0.88, kleur);
        verloop.setColorAt(1.0, kleur.lighter(112));
        p.setBrush(verloop);
        p.drawPath(ringVak(van, tot, kVakBinnen, kVakBuiten));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(stijl.letterRand, 2.0));
    for (double grens : grenzen)
        p.drawLine(opStraal(grens, kVakBinnen), opStraal(grens, kVakBuiten));
    p.drawEllipse(cirkel(kVakBuiten));
    p.drawEllipse(cirkel(kVakBinnen));
    p.setPen(QPen(stijl.metaalDonker.darker(200), 2.0));
    p.drawEllipse(cirkel(kRandBuiten - 1));

    // The inner disc stays plain: the program draws its pointer and letter label on it.
    QRadialGradient schijf(kRadMidden, kSchijf);
    schijf.setColorAt(0.0, stijl.schijfMidden);
    schijf.setColorAt(0.85, stijl.schijfRand);
    schijf.setColorAt(1.0, stijl.schijfRand.darker(150));
    p.setPen(QPen(stijl.metaalDonker.darker(160), 1.5));
    p.setBrush(schijf);
    p.drawEllipse(cirkel(kSchijf));

    p.setPen(Qt::NoPen);
    p.setBrush(stijl.titelKleur);
    p.drawPath(tekstPad(stijl.titel, lettertype("Comic Sans MS", 34), QPointF(300, 196)));

    // Short marks on the rays the pointer follows, at the edge of the disc.
    p.setPen(QPen(stijl.metaalLicht, 2.0, Qt::SolidLine, Qt::RoundCap));
    for (double hoek : hoeken)
        p.drawLine(opStraal(hoek, kSchijf - 13), opStraal(hoek, kSchijf - 4));

    // Lamps in the rim at the sector borders.
    p.setPen(Qt::NoPen);
    const double lampStraal = (kVakBuiten + kRandBuiten) / 2.0;
    for (double grens : grenzen) {
        const QPointF plek = opStraal(grens, lampStraal);
        QRadialGradient gloed(plek, 7.5);
        gloed.setColorAt(0.0, Qt::white);
        gloed.setColorAt(0.35, stijl.lamp);
        gloed.setColorAt(0.6, stijl.lamp.darker(130));
        gloed.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setBrush(gloed);
        p.drawEllipse(plek, 7.5, 7.5);
    }

    // The letters, upright so they read at a glance, centred on the ray through their point.
    const QFont font = lettertype("Comic Sans MS", stijl.letterPixels);
    for (std::size_t i = 0; i < n; ++i) {
        const QString letter(QChar::fromLatin1(punten[i].letter));
        const QPainterPath pad = tekstPad(letter, font, opStraal(hoeken[i], kLetterStraal));
        tekenOmrandeTekst(p, pad, Qt::white, stijl.letterRand, 5.0);
    }

    // Hub where the pointer starts.
    p.setPen(QPen(stijl.metaalDonker.darker(170), 1.5));
    p.setBrush(metaal(cirkel(22), stijl.metaalLicht, stijl.metaalDonker));
    p.drawEllipse(cirkel(22));
    p.setBrush(stijl.schijfMidden.darker(200));
    p.drawEllipse(cirkel(7));
    p.restore();
}

RadStijl bingoStijl()
{
    RadStijl stijl;
    // Round the rainbow once, with alternating brightness so neighbours stay apart.
    stijl.vakKleur = [](int index, char) {
        const double tint = std::fmod(index / 26.0, 1.0);
        return QColor::fromHsvF(tint, 0.88, index % 2 == 0 ? 0.92 : 0.74);
    };
    stijl.schijfMidden = QColor(85, 8, 8);
    stijl.schijfRand = QColor(45, 0, 0);
    stijl.metaalLicht = QColor(255, 236, 140);
    stijl.metaalDonker = QColor(150, 96, 10);
    stijl.lamp = QColor(255, 225, 90);
    stijl.letterRand = QColor(30, 0, 0);
    stijl.letterPixels = 38;
    stijl.titel = QStringLiteral("Alfabo Lotto");
    stijl.titelKleur = QColor(125, 55, 20);
    return stijl;
}

RadStijl quizStijl()
{
    RadStijl stijl;
    // Cool blues and teals with the vowels in gold: a word maker sees them at once.
    stijl.vakKleur = [](int index, char letter) {
        if (std::string_view("AEIOU").find(letter) != std::string_view::npos)
            return QColor(225, 160, 15);
        return index % 2 == 0 ? QColor(35, 85, 195) : QColor(0, 135, 145);
    };
    stijl.schijfMidden = QColor(25, 40, 95);
    stijl.schijfRand = QColor(8, 14, 45);
    stijl.metaalLicht = QColor(245, 248, 255);
    stijl.metaalDonker = QColor(95, 105, 125);
    stijl.lamp = QColor(150, 220, 255);
    stijl.letterRand = QColor(5, 10, 40);
    stijl.letterPixels = 33;
    stijl.titel = QStringLiteral("Woorden Quiz");
    stijl.titelKleur = QColor(60, 85, 150);
    return stijl;
}

QImage radBeeld(std::span<const RadPunt> punten, const RadStijl &stijl, int maat)
{
    QImage beeld = nieuwBeeld(maat, maat, kSchermRood);
    QPainter p(&beeld);
    zetKwaliteit(p);
    p.scale(maat / 600.0, maat / 600.0);
    tekenRad(p, punten, stijl);
    return beeld;
}

// ---------------------------------------------------------------------------------------
// Menu icons, 48 x 48: a white symbol on a coloured plate, shadowed a little

// A symbol draws itself in `inkt`; details cut into it use the plate's colour `plaat`.
using Symbool = std::function<void(QPainter &, const QColor &inkt, const QColor &plaat)>;

QImage maakIcoon(QSize maat, const QColor &plaatKleur, const Symbool &symbool)
{
    QImage beeld = nieuwBeeld(maat.width(), maat.height());
    QPainter p(&beeld);
    zetKwaliteit(p);
    tekenPlaat(p, QRectF(1.5, 1.5, maat.width() - 3.0, maat.height() - 3.0), plaatKleur, 9);
    p.save();
    p.translate(1.0, 1.4);
    symbool(p, QColor(0, 0, 0, 95), Qt::transparent);
    p.restore();
    symbool(p, Qt::white, plaatKleur);
    p.end();
    return opMaskerGroen(beeld);
}

QPen lijn(const QColor &kleur, double breedte)
{
    return QPen(kleur, breedte, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPolygonF pijlPunt(QPointF punt, QPointF richting, double lengte, double breedte)
{
    const double norm = std::hypot(richting.x(), richting.y());
    const QPointF d = richting / norm;
    const QPointF n(-d.y(), d.x());
    const QPointF voet = punt - d * lengte;
    return QPolygonF({punt, voet + n * breedte, voet - n * breedte});
}

void symboolNieuweRonde(QPainter &p, const QColor &inkt, const QColor &)
{
    // A turning arrow round the first letter: the round starts again at A.
    const QRectF boog(11, 11, 26, 26);
    const double start = 75, span = -295; // Qt degrees, clockwise span
    p.setPen(QPen(inkt, 4.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(boog, int(start * 16), int(span * 16));
    const double eind = (start + span) * kPi / 180.0;
    const QPointF eindPunt = boog.center() + QPointF(13 * std::cos(eind), -13 * std::sin(eind));
    const QPointF richting(std::sin(eind), std::cos(eind));
    p.setPen(Qt::NoPen);
    p.setBrush(inkt);
    p.drawPolygon(pijlPunt(eindPunt + richting * 5.5, richting, 9, 6.5));
    p.drawPath(tekstPad(QStringLiteral("A"), lettertype("Arial", 15), QPointF(24, 24.5)));
}

void symboolScorelijst(QPainter &p, const QColor &inkt, const QColor &plaat)
{
    // A trophy with a "1" on the cup.
    p.setPen(lijn(inkt, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 12, 12, 12), 90 * 16, 180 * 16);
    p.drawArc(QRectF(28, 12, 12, 12), 90 * 16, -180 * 16);
    QPainterPath beker;
    beker.moveTo(13, 9.5);
    beker.lineTo(35, 9.5);
    beker.lineTo(35, 16);
    beker.cubicTo(35, 25, 30, 29.5, 24, 29.5);
    beker.cubicTo(18, 29.5, 13, 25, 13, 16);
    beker.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(inkt);
    p.drawPath(beker);
    p.drawRect(QRectF(21.5, 29, 5, 5));
    p.drawRoundedRect(QRectF(16, 33.5, 16, 4), 1.5, 1.5);
    p.drawRoundedRect(QRectF(13, 37, 22, 4.5), 1.5, 1.5);
    if (plaat.alpha() > 0) {
        p.setBrush(plaat.darker(115));
        p.drawPath(tekstPad(QStringLiteral("1"), lettertype("Arial", 13), QPointF(24, 18.5)));
    }
}

void symboolWeb(QPainter &p, const QColor &inkt, const QColor &)
{
    // A globe: more software on the web.
    const QPointF m(24, 24);
    p.setBrush(Qt::NoBrush);
    p.setPen(lijn(inkt, 2.6));
    p.drawEllipse(m, 14, 14);
    p.setPen(lijn(inkt, 2.0));
    p.drawEllipse(m, 6, 14);
    p.drawLine(QPointF(24, 10), QPointF(24, 38));
    p.save();
    QPainterPath binnen;
    binnen.addEllipse(m, 14, 14);
    p.setClipPath(binnen);
    p.drawLine(QPointF(9, 24), QPointF(39, 24));
    p.drawLine(QPointF(9, 16.5), QPointF(39, 16.5));
    p.drawLine(QPointF(9, 31.5), QPointF(39, 31.5));
    p.restore();
}

void symboolSpelsoort(QPainter &p, const QColor &inkt, const QColor &)
{
    // Two arrows swapping places: bingo game and word quiz.
    p.setPen(lijn(inkt, 4.0));
    p.drawLine(QPointF(11, 17), QPointF(29, 17));
    p.drawLine(QPointF(37, 31), QPointF(19, 31));
    p.setPen(Qt::NoPen);
    p.setBrush(inkt);
    p.drawPolygon(pijlPunt(QPointF(38, 17), QPointF(1, 0), 10, 7));
    p.drawPolygon(pijlPunt(QPointF(10, 31), QPointF(-1, 0), 10, 7));
}

void symboolInstellingen(QPainter &p, const QColor &inkt, const QColor &)
{
    p.setPen(Qt::NoPen);
    p.setBrush(inkt);
    p.drawPath(tandwiel(QPointF(24, 24), 15.5, 11, 5, 8));
}

void symboolZaalscherm(QPainter &p, const QColor &inkt, const QColor &plaat)
{
    // A small screen before a large one: the operator's and the hall's.
    p.setPen(Qt::NoPen);
    p.setBrush(inkt);
    p.drawRoundedRect(QRectF(16, 8, 26, 18), 2.5, 2.5);
    p.drawRect(QRectF(27, 26, 4, 5));
    p.drawRoundedRect(QRectF(22, 30, 14, 3), 1.5, 1.5);
    p.drawRoundedRect(QRectF(6, 22, 17, 12), 2, 2);
    p.drawRoundedRect(QRectF(3, 34, 23, 4), 1.5, 1.5);
    if (plaat.alpha() > 0) {
        p.setBrush(plaat);
        p.drawRect(QRectF(19, 11, 20, 12));
        p.drawRect(QRectF(8.5, 24.5, 12, 7));
    }
}

void symboolAfdrukken(QPainter &p, const QColor &inkt, const QColor &plaat)
{
    // A printer with a printed sheet coming out.
    p.setPen(Qt::NoPen);
    p.setBrush(inkt);
    p.drawRect(QRectF(15, 8, 18, 11));
    p.drawRoundedRect(QRectF(8, 18, 32, 15), 3.5, 3.5);
    if (plaat.alpha() > 0) {
        p.setBrush(plaat.darker(130));
        p.drawRect(QRectF(12, 27.5, 24, 2.5));
        p.setBrush(plaat);
        p.drawEllipse(QPointF(35, 22.5), 1.8, 1.8);
        p.setPen(QPen(plaat, 1.6));
        p.drawLine(QPointF(13, 18.5), QPointF(35, 18.5));
        p.setPen(Qt::NoPen);
    }
    p.setBrush(inkt);
    p.drawRect(QRectF(14, 29, 20, 12));
    if (plaat.alpha() > 0) {
        p.setPen(QPen(plaat, 1.6));
        for (double y : {33.0, 36.5})
            p.drawLine(QPointF(17, y), QPointF(31, y));
    }
}

void symboolWoordenlijst(QPainter &p, const QColor &inkt, const QColor &plaat)
{
    // A word list on a note pad, with a pencil.
    p.setPen(Qt::NoPen);
    p.setBrush(inkt);
    p.drawRoundedRect(QRectF(9, 8, 22, 32), 2, 2);
    if (plaat.alpha() > 0) {
        p.setPen(QPen(plaat, 2.0, Qt::SolidLine, Qt::RoundCap));
        for (int regel = 0; regel < 5; ++regel) {
            const double y = 14 + regel * 5.5;
            p.drawLine(QPointF(13, y), QPointF(regel % 2 == 0 ? 27 : 23, y));
        }
    }
    p.save();
    p.translate(34, 25);
    p.rotate(35);
    QPainterPath potlood;
    potlood.moveTo(-3.5, -15);
    potlood.lineTo(3.5, -15);
    potlood.lineTo(3.5, 7);
    potlood.lineTo(0, 14);
    potlood.lineTo(-3.5, 7);
    potlood.closeSubpath();
    p.setPen(plaat.alpha() > 0 ? QPen(plaat.darker(140), 1.6) : QPen(Qt::NoPen));
    p.setBrush(inkt);
    p.drawPath(potlood);
    if (plaat.alpha() > 0)
        p.drawLine(QPointF(-3.5, 7), QPointF(3.5, 7));
    p.restore();
}

void symboolKaartControleren(QPainter &p, const QColor &inkt, const QColor &plaat)
{
    // A bingo card of three by three cells with a tick over it.
    p.setPen(Qt::NoPen);
    p.setBrush(inkt);
    p.drawRoundedRect(QRectF(7, 9, 30, 30), 2.5, 2.5);
    if (plaat.alpha() > 0) {
        p.setBrush(plaat);
        for (int rij = 0; rij < 3; ++rij)
            for (int kolom = 0; kolom < 3; ++kolom)
                p.drawRect(QRectF(10 + 9 * kolom, 12 + 9 * rij, 6, 6));
    }
    QPainterPath vink;
    vink.moveTo(21, 29);
    vink.lineTo(28, 36);
    vink.lineTo(42, 16);
    p.setBrush(Qt::NoBrush);
    if (plaat.alpha() > 0) {
        p.setPen(QPen(plaat, 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(vink);
    }
    p.setPen(QPen(inkt, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(vink);
}

void symboolHelp(QPainter &p, const QColor &inkt, const QColor &)
{
    p.setPen(Qt::NoPen);
    p.setBrush(inkt);
    p.drawPath(tekstPad(QStringLiteral("?"), lettertype("Arial", 38), QPointF(24, 24)));
}

void symboolAbout(QPainter &p, const QColor &inkt, const QColor &)
{
    // "i" for information about the maker.
    p.setPen(Qt::NoPen);
    p.setBrush(inkt);
    p.drawEllipse(QPointF(24, 12.5), 3.8, 3.8);
    QPainterPath stam;
    stam.moveTo(18, 20);
    stam.lineTo(27.5, 20);
    stam.lineTo(27.5, 35);
    stam.lineTo(31, 35);
    stam.lineTo(31, 39);
    stam.lineTo(17, 39);
    stam.lineTo(17, 35);
    stam.lineTo(20.5, 35);
    stam.lineTo(20.5, 24);
    stam.lineTo(18, 24);
    stam.closeSubpath();
    p.drawPath(stam);
}

void symboolExit(QPainter &p, const QColor &inkt, const QColor &)
{
    // The power symbol: stop the program.
    p.setBrush(Qt::NoBrush);
    p.setPen(lijn(inkt, 4.2));
    p.drawArc(QRectF(11.5, 12.5, 25, 25), 58 * 16, -296 * 16);
    p.drawLine(QPointF(24, 9.5), QPointF(24, 23));
}

void symboolStart(QPainter &p, const QColor &inkt, const QColor &)
{
    // Play triangle with rounded corners, in a 48 x 40 picture.
    QPainterPath driehoek;
    driehoek.moveTo(18, 10);
    driehoek.lineTo(34, 20);
    driehoek.lineTo(18, 30);
    driehoek.closeSubpath();
    p.setPen(lijn(inkt, 3.5));
    p.setBrush(inkt);
    p.drawPath(driehoek);
}

// ---------------------------------------------------------------------------------------
// Printer pictures, drawn in a 32 x 32 space

void tekenPrinter(QPainter &p)
{
    const QColor omtrek(45, 45, 55);
    p.setPen(QPen(omtrek, 1.2));
    // paper waiting at the back
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(9.5, 2.5, 13, 10));
    // body
    QLinearGradient kast(QPointF(0, 11), QPointF(0, 24));
    kast.setColorAt(0.0, QColor(175, 180, 195));
    kast.setColorAt(1.0, QColor(95, 100, 115));
    p.setBrush(kast);
    p.drawRoundedRect(QRectF(2.5, 11.5, 27, 13), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 60));
    p.drawEllipse(QPointF(25.5, 15), 1.4, 1.4);
    p.setBrush(QColor(35, 35, 45));
    p.drawRect(QRectF(6, 19.5, 20, 2));
    // printed sheet coming out in front
    p.setPen(QPen(omtrek, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 20.5, 17, 9));
    p.setPen(QPen(QColor(200, 0, 0), 1.2));
    p.drawLine(QPointF(10, 23.5), QPointF(22, 23.5));
    p.setPen(QPen(QColor(60, 90, 200), 1.2));
    p.drawLine(QPointF(10, 26.5), QPointF(19, 26.5));
}

QImage printerBeeld(int maat)
{
    QImage beeld = nieuwBeeld(maat, maat);
    QPainter p(&beeld);
    zetKwaliteit(p);
    p.scale(maat / 32.0, maat / 32.0);
    tekenPrinter(p);
    return beeld;
}

// ---------------------------------------------------------------------------------------
// Logo and small pictures

// The logo's three letter tiles A, B and C, red, gold and blue, at these centres, the outer two
// turned outwards by draai degrees; a tile is 48 x 48 times schaal.
void tekenTegels(QPainter &p, const std::array<QPointF, 3> &middens, double draai, double schaal)
{
    const std::array<std::pair<QColor, const char *>, 3> tegels{
        {{QColor(215, 45, 35), "A"}, {QColor(235, 165, 0), "B"}, {QColor(35, 105, 215), "C"}}};
    const QFont font = lettertype("Comic Sans MS", int(36 * schaal));
    for (std::size_t i = 0; i < tegels.size(); ++i) {
        const auto &[kleur, letter] = tegels[i];
        p.save();
        p.translate(middens[i]);
        p.rotate((double(i) - 1.0) * draai);
        p.scale(schaal, schaal);
        const QRectF steen(-24, -24, 48, 48);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 110));
        p.drawRoundedRect(steen.translated(2.5, 3), 8, 8);
        QLinearGradient verloop(steen.topLeft(), steen.bottomLeft());
        verloop.setColorAt(0.0, kleur.lighter(135));
        verloop.setColorAt(1.0, kleur.darker(125));
        p.setPen(QPen(Qt::white, 2.5));
        p.setBrush(verloop);
        p.drawRoundedRect(steen, 8, 8);
        p.scale(1.0 / schaal, 1.0 / schaal);
        tekenOmrandeTekst(p, tekstPad(QString::fromLatin1(letter), font, QPointF(0, 1)), Qt::white, QColor(30, 0, 0),
                          4.0 * schaal);
        p.restore();
    }
}

// The logo's dark red plate in its gold frame.
void tekenLogoPlaat(QPainter &p, const QRectF &vlak, double straal, double rand)
{
    QLinearGradient achter(vlak.topLeft(), vlak.bottomLeft());
    achter.setColorAt(0.0, QColor(125, 12, 12));
    achter.setColorAt(1.0, QColor(40, 0, 0));
    p.setPen(QPen(metaal(vlak, QColor(255, 236, 140), QColor(150, 96, 10)), rand));
    p.setBrush(achter);
    p.drawRoundedRect(vlak, straal, straal);
}

// The logo in a 180 x 150 space: three letter tiles and the program's name in the gold
// of the game title.
void tekenLogo(QPainter &p)
{
    p.save();
    tekenLogoPlaat(p, QRectF(2, 2, 176, 146), 18, 3.5);

    tekenTegels(p, {QPointF(46, 58), QPointF(90, 52), QPointF(134, 58)}, 10, 1.0);

    // The name fills the width under the tiles.
    QFont naamFont = lettertype("Comic Sans MS", 30);
    const QString naam = QStringLiteral("Alfabo Lotto");
    const double breedte = QFontMetricsF(naamFont).horizontalAdvance(naam);
    if (breedte > 156)
        naamFont.setPixelSize(int(naamFont.pixelSize() * 156 / breedte));
    tekenSchaduwTekst(p, naam, naamFont, QPointF(90, 119), kTitelGeel, QColor(20, 0, 0), 2.0);
    p.restore();
}

// The program's icon in a 180 x 180 space, drawn at any size: the logo's three letter tiles,
// larger and without the name, on its dark red plate in its gold frame.
QImage pictogramBeeld(int maat)
{
    QImage beeld = nieuwBeeld(maat, maat);
    QPainter p(&beeld);
    zetKwaliteit(p);
    p.scale(maat / 180.0, maat / 180.0);
    tekenLogoPlaat(p, QRectF(5, 5, 170, 170), 32, 7);
    tekenTegels(p, {QPointF(50, 98), QPointF(90, 82), QPointF(130, 98)}, 12, 1.25);
    return beeld;
}

QImage logoBeeld()
{
    QImage beeld = nieuwBeeld(180, 150);
    QPainter p(&beeld);
    zetKwaliteit(p);
    tekenLogo(p);
    return beeld;
}

// FREE on a grey field in a thin black frame, drawn in a 50 x 40 space and scaled.
QImage freeBeeld(int schaal)
{
    QImage beeld = nieuwBeeld(50 * schaal, 40 * schaal, QColor(200, 200, 200));
    QPainter p(&beeld);
    zetKwaliteit(p);
    p.scale(schaal, schaal);
    QFont font = lettertype("Arial", 17);
    const QPainterPath maat = tekstPad(QStringLiteral("FREE"), font, QPointF());
    const double passend = std::min(38.0 / maat.boundingRect().width(), 20.0 / maat.boundingRect().height());
    font.setPixelSize(int(std::floor(font.pixelSize() * passend)));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(tekstPad(QStringLiteral("FREE"), font, QPointF(25, 20)));
    // A frame of exactly one pixel (of the small picture) on whole pixel edges.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(QRectF(2, 2, 46, 1));
    p.drawRect(QRectF(2, 37, 46, 1));
    p.drawRect(QRectF(2, 2, 1, 36));
    p.drawRect(QRectF(47, 2, 1, 36));
    return beeld;
}

QImage minimaliseerBeeld()
{
    QImage beeld = nieuwBeeld(32, 32);
    QPainter p(&beeld);
    zetKwaliteit(p);
    tekenPlaat(p, QRectF(1.5, 1.5, 29, 29), QColor(90, 90, 90), 6);
    p.setPen(QPen(QColor(200, 200, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    // An arrow going down onto a bar: the window goes to the task bar.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(pijlPunt(QPointF(16, 20), QPointF(0, 1), 8, 6.5));
    p.setPen(lijn(Qt::white, 3.0));
    p.drawLine(QPointF(16, 7.5), QPointF(16, 13));
    p.drawLine(QPointF(8.5, 24.5), QPointF(23.5, 24.5));
    return beeld;
}

// The program's own mouse pointer. Hotspot (0, 0): the tip of the arrow.
QImage cursorBeeld()
{
    QImage beeld = nieuwBeeld(32, 32);
    QPainter p(&beeld);
    zetKwaliteit(p);
    QPainterPath pijl;
    pijl.moveTo(1, 1);
    pijl.lineTo(1, 24);
    pijl.lineTo(6.6, 18.6);
    pijl.lineTo(10.6, 28);
    pijl.lineTo(14.8, 26.2);
    pijl.lineTo(10.8, 17);
    pijl.lineTo(18, 17);
    pijl.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(pijl.translated(2, 2));
    QLinearGradient goud(QPointF(0, 0), QPointF(14, 26));
    goud.setColorAt(0.0, QColor(255, 245, 120));
    goud.setColorAt(1.0, QColor(235, 165, 0));
    p.setPen(QPen(kSchermRood.darker(150), 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(goud);
    p.drawPath(pijl);
    return beeld;
}

// A postage stamp with the wheel: the maker also collects stamps.
QImage aboutFoto()
{
    QImage beeld = nieuwBeeld(118, 130);
    QPainter p(&beeld);
    zetKwaliteit(p);

    QPainterPath zegel;
    zegel.addRect(QRectF(0, 0, 118, 130));
    const double tand = 3.2;
    for (double x = 5; x < 118; x += 9.0) {
        zegel.addEllipse(QPointF(x + 1.5, 0), tand, tand);
        zegel.addEllipse(QPointF(x + 1.5, 130), tand, tand);
    }
    for (double y = 5; y < 130; y += 9.0) {
        zegel.addEllipse(QPointF(0, y + 2), tand, tand);
        zegel.addEllipse(QPointF(118, y + 2), tand, tand);
    }
    zegel.setFillRule(Qt::OddEvenFill);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 250, 240));
    p.drawPath(zegel);

    const QRectF beeldVlak(9, 9, 100, 112);
    QLinearGradient achter(beeldVlak.topLeft(), beeldVlak.bottomLeft());
    achter.setColorAt(0.0, QColor(110, 10, 10));
    achter.setColorAt(1.0, QColor(35, 0, 0));
    p.setBrush(achter);
    p.drawRect(beeldVlak);

    p.save();
    p.translate(59 - 40, 16);
    p.scale(80 / 600.0, 80 / 600.0);
    tekenRad(p, kBingoRad, bingoStijl());
    p.restore();

    tekenSchaduwTekst(p, QStringLiteral("Alfabo Lotto"), lettertype("Comic Sans MS", 15), QPointF(59, 109), kTitelGeel,
                      QColor(0, 0, 0), 1.0);
    p.setPen(QColor(255, 236, 140));
    p.setFont(lettertype("Arial", 9));
    p.drawText(QRectF(9, 10, 97, 12), Qt::AlignRight | Qt::AlignTop, QStringLiteral("2017"));
    p.setPen(QPen(QColor(150, 96, 10), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(beeldVlak);
    return beeld;
}

// A gear over a few sheets of paper: the settings dialog.
QImage instellingenBeeld()
{
    QImage beeld = nieuwBeeld(100, 100);
    QPainter p(&beeld);
    zetKwaliteit(p);
    for (double draai : {-14.0, -5.0, 4.0}) {
        p.save();
        p.translate(38, 44);
        p.rotate(draai);
        const QRectF blad(-25, -34, 50, 66);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRect(blad.translated(2, 2.5));
        p.setPen(QPen(QColor(140, 140, 140), 1.0));
        p.setBrush(QColor(252, 252, 250));
        p.drawRect(blad);
        p.setPen(QPen(QColor(170, 175, 190), 2.0));
        for (int regel = 0; regel < 8; ++regel) {
            const double y = -25 + regel * 7;
            p.drawLine(QPointF(-19, y), QPointF(regel % 3 == 2 ? 6 : 19, y));
        }
        p.setPen(QPen(QColor(200, 0, 0), 2.5));
        p.drawLine(QPointF(-19, -29), QPointF(0, -29));
        p.restore();
    }
    const QPointF midden(66, 66);
    const QPainterPath wiel = tandwiel(midden, 30, 23, 9, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPath(wiel.translated(2.5, 3));
    p.setPen(QPen(QColor(45, 50, 60), 1.6));
    p.setBrush(metaal(QRectF(36, 36, 60, 60), QColor(235, 238, 245), QColor(85, 92, 110)));
    p.drawPath(wiel);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 65, 80), 2.0));
    p.drawEllipse(midden, 15, 15);
    return beeld;
}

// ---------------------------------------------------------------------------------------
// Card examples for the help screen: cut-outs of printed sheets, drawn in the sheet's twips

constexpr QSize kKaartVoorbeeld(520, 250);

QFont kaartFont(const char *familie, double punten)
{
    QFont font = widgets::designFont(QString::fromLatin1(familie), punten, true);
    font.setPixelSize(int(std::lround(punten * 20))); // one point is twenty twips
    return font;
}

// Text with the top-left corner of its line box at a point, as the card makers print.
void schrijf(QPainter &p, double x, double y, const QString &tekst, const QColor &kleur)
{
    p.setPen(kleur);
    p.drawText(QPointF(x, y + QFontMetricsF(p.font()).ascent()), tekst);
}

// Lines and box outlines one pixel wide and unsmoothed, as a printer draws them.
void scherpeLijnen(QPainter &p, const QColor &kleur)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kleur, 0));
    p.setBrush(Qt::NoBrush);
}

// Maps the rectangle `papier` of a sheet (twips) into the picture, centred on a white
// sheet with a shadow, and leaves the painter in twips.
void zetPapier(QPainter &p, const QRectF &papier)
{
    const double marge = 8;
    const double schaal = std::min((kKaartVoorbeeld.width() - 2 * marge) / papier.width(),
                                   (kKaartVoorbeeld.height() - 2 * marge) / papier.height());
    const QSizeF maat(papier.width() * schaal, papier.height() * schaal);
    const QPointF hoek(std::round((kKaartVoorbeeld.width() - maat.width()) / 2),
                       std::round((kKaartVoorbeeld.height() - maat.height()) / 2));
    p.fillRect(QRectF(hoek + QPointF(5, 5), maat), QColor(0, 0, 0, 130));
    p.fillRect(QRectF(hoek, maat), QColor(253, 253, 250));
    p.translate(hoek);
    p.scale(schaal, schaal);
    p.translate(-papier.topLeft());
    p.setClipRect(papier);
}

// Letters of a card filled column by column, from a fixed seed so the pictures stay the
// same at every run. With `verschillend` no letter repeats on the card.
std::vector<int> kaartLetters(core::RandomSource &toeval, int aantal, bool verschillend)
{
    std::vector<int> letters;
    std::array<bool, 27> gebruikt{};
    while (int(letters.size()) < aantal) {
        const int letter = toeval.nextInRange(26);
        if (verschillend && gebruikt[letter])
            continue;
        gebruikt[letter] = true;
        letters.push_back(letter);
    }
    return letters;
}

QString letterTekst(int letter) { return QString(QChar(u'A' + letter - 1)); }

QImage kaartBeeld()
{
    QImage beeld = nieuwBeeld(kKaartVoorbeeld.width(), kKaartVoorbeeld.height(), kHelpRood);
    return beeld;
}

// The top row of a sheet of 5 x 5 cards (cards 1 and 2), with the heading "BINGO".
QImage bingoKaartVoorbeeld(const QColor &kopKleur, bool metFree, const QImage &free, std::uint64_t zaad)
{
    QImage beeld = kaartBeeld();
    QPainter p(&beeld);
    zetKwaliteit(p);
    zetPapier(p, QRectF(300, 250, 10710, 5330));
    core::SeededRandom toeval(zaad);
    const QString kop = QStringLiteral("BINGO");

    p.setFont(kaartFont("Comic Sans MS", 32));
    for (int c = 0; c < 2; ++c) {
        const double x0 = 5610.0 * c;
        scherpeLijnen(p, Qt::black);
        for (int j = 0; j <= 6; ++j)
            p.drawLine(QPointF(600 + x0, 600 + 780 * j), QPointF(5100 + x0, 600 + 780 * j));
        for (int i = 0; i <= 5; ++i)
            p.drawLine(QPointF(600 + 900 * i + x0, 600), QPointF(600 + 900 * i + x0, 5280));
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 5; ++i) {
            const double x = 600 + 900 * i + x0;
            schrijf(p, x + 210, 510, kop.mid(i, 1), Qt::black);
            schrijf(p, x + 240, 540, kop.mid(i, 1), kopKleur);
        }
    }

    p.setFont(kaartFont("Comic Sans MS", 24));
    for (int c = 0; c < 2; ++c) {
        const std::vector<int> letters = kaartLetters(toeval, 25, metFree);
        for (int j = 0; j < 5; ++j)
            for (int i = 0; i < 5; ++i)
                schrijf(p, 855 + 900 * j + 5610 * c, 1440 + 780 * i, letterTekst(letters[std::size_t(j * 5 + i)]),
                        QColor(130, 130, 130));
    }

    if (metFree) {
        for (double x : {675.0, 4275.0, 6285.0, 9885.0})
            for (double y : {1455.0, 4575.0})
                p.drawImage(QRectF(x, y, 750, 630), free);
    }

    p.setFont(kaartFont("Arial", 16));
    schrijf(p, 5220, 4800, QStringLiteral("1"), Qt::black);
    schrijf(p, 5910, 4800, QStringLiteral("2"), Qt::black);
    return beeld;
}

// The first wide card of a sheet: 12 x 5 letters under ALFABO-LOTTO.
QImage bredeKaartVoorbeeld(std::uint64_t zaad)
{
    QImage beeld = kaartBeeld();
    QPainter p(&beeld);
    zetKwaliteit(p);
    zetPapier(p, QRectF(300, 300, 11040, 5260));
    core::SeededRandom toeval(zaad);
    const QString kop = QStringLiteral("ALFABO-LOTTO");
    const double y0 = 600;

    p.setFont(kaartFont("Comic Sans MS", 24));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(600, y0, 10440, 660), QColor(200, 200, 200));
    for (int c = 0; c < 12; ++c) {
        const double x = 600 + 870 * c;
        scherpeLijnen(p, Qt::black);
        p.drawRect(QRectF(x, y0, 870, 660));
        for (int r = 1; r <= 5; ++r)
            p.drawRect(QRectF(x, y0 + 720 * r, 870, 720));
        p.setRenderHint(QPainter::Antialiasing);
        schrijf(p, x + 240, y0 - 45, kop.mid(c, 1), QColor(250, 250, 250));
        schrijf(p, x + 270, y0 - 15, kop.mid(c, 1), QColor(0, 0, 180));
    }

    const std::vector<int> letters = kaartLetters(toeval, 60, false);
    for (int c = 0; c < 12; ++c)
        for (int r = 0; r < 5; ++r)
            schrijf(p, 840 + 870 * c, 1320 + 720 * r, letterTekst(letters[std::size_t(c * 5 + r)]),
                    QColor(130, 130, 130));

    p.setFont(kaartFont("Arial", 16));
    schrijf(p, 10800, 5010, QStringLiteral("1"), Qt::black);
    return beeld;
}

// The title and the top row (cards 1 and 2) of a sheet of 4 x 4 cards.
QImage vierBijVierVoorbeeld(std::uint64_t zaad)
{
    QImage beeld = kaartBeeld();
    QPainter p(&beeld);
    zetKwaliteit(p);
    zetPapier(p, QRectF(300, -250, 11160, 6800));
    core::SeededRandom toeval(zaad);

    p.setFont(kaartFont("Comic Sans MS", 88));
    schrijf(p, 600, -150, QStringLiteral("Alfabo Lotto"), QColor(60, 60, 60));
    schrijf(p, 660, -90, QStringLiteral("Alfabo Lotto"), QColor(0, 220, 0));

    p.setFont(kaartFont("Comic Sans MS", 30));
    for (int c = 0; c < 2; ++c) {
        const std::vector<int> letters = kaartLetters(toeval, 16, false);
        for (int j = 0; j < 4; ++j) {
            const double x = 600 + 5880 * c + 1170 * j;
            for (int i = 0; i < 4; ++i) {
                const double y = 2700 + 900 * i;
                p.setRenderHint(QPainter::Antialiasing, false);
                p.fillRect(QRectF(x, y, 1170, 900), QColor(240, 240, 220));
                scherpeLijnen(p, Qt::black);
                p.drawRect(QRectF(x, y, 1170, 900));
                p.setRenderHint(QPainter::Antialiasing);
                schrijf(p, x + 360, y, letterTekst(letters[std::size_t(j * 4 + i)]), QColor(120, 120, 120));
            }
        }
    }

    p.setFont(kaartFont("Arial", 16));
    schrijf(p, 5430, 6000, QStringLiteral("1"), Qt::black);
    schrijf(p, 6150, 6000, QStringLiteral("2"), Qt::black);
    return beeld;
}

// The help screen's picture while the mouse is not over one of the four buttons.
QImage neutraalVoorbeeld()
{
    QImage beeld = kaartBeeld();
    QPainter p(&beeld);
    zetKwaliteit(p);

    p.save();
    p.translate(16, 17);
    p.scale(1.2, 1.2); // 216 x 180
    tekenLogo(p);
    p.restore();

    const double x = 262;
    p.setPen(QColor(200, 200, 0));
    p.setFont(lettertype("Arial", 21));
    p.drawText(QPointF(x, 62), QStringLiteral("Voorbeelden"));
    p.drawText(QPointF(x, 88), QStringLiteral("van de bingokaarten"));
    p.setPen(QColor(200, 200, 200));
    p.setFont(lettertype("Arial", 15, false));
    p.drawText(QPointF(x, 124), QStringLiteral("Beweeg de muis over"));
    p.drawText(QPointF(x, 144), QStringLiteral("de knoppen 1 t/m 4"));

    // Four numbered tiles in the colours of the four kinds in the print dialog.
    const std::array<QColor, 4> kleuren{QColor(200, 0, 0), QColor(0, 170, 0), QColor(0, 0, 200), QColor(200, 0, 200)};
    const QFont cijfer = lettertype("Arial", 20);
    for (int k = 0; k < 4; ++k) {
        const QRectF tegel(x + k * 52, 170, 40, 40);
        tekenPlaat(p, tegel, kleuren[std::size_t(k)], 7);
        tekenOmrandeTekst(p, tekstPad(QString::number(k + 1), cijfer, tegel.center()), Qt::white,
                          kleuren[std::size_t(k)].darker(200), 2.5);
    }
    return beeld;
}

// ---------------------------------------------------------------------------------------
// Quiz help: the letter field, a word list with points and the time

QImage quizHelpBeeld()
{
    QImage beeld = nieuwBeeld(315, 253, kSchermRood);
    QPainter p(&beeld);
    zetKwaliteit(p);

    // Twelve letters as the quiz draws them: white edge, grey letter, dark red boxes.
    const QString letters = QStringLiteral("RAKETSPONDEL");
    const QFont tegelFont = lettertype("Comic Sans MS", 30);
    const double tegel = 42, links = (315 - 6 * tegel) / 2, boven = 6;
    for (int k = 0; k < 12; ++k) {
        const QRectF vak(links + (k % 6) * tegel, boven + (k / 6) * tegel, tegel, tegel);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(vak, kBordRood);
        p.setPen(QColor(200, 200, 200));
        p.setBrush(Qt::NoBrush);
        p.drawRect(vak);
        p.setRenderHint(QPainter::Antialiasing);
        const QPainterPath pad = tekstPad(letters.mid(k, 1), tegelFont, vak.center());
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(pad);
        p.setBrush(QColor(150, 150, 150));
        p.drawPath(pad.translated(1, 1));
    }

    // Word list: heading bar, rows with mark, word and points, footer with the totals.
    struct Woord {
        const char *mark;
        const char *woord;
        const char *punten;
    };
    const std::array<Woord, 6> woorden{{
        {"V", "RAKET", "12"},
        {"V", "PAREL", "14"},
        {"V", "SNOEP", "14"},
        {"X", "DROKEL", "0"},
        {"V", "DOEL", "9"},
        {"V", "STERK", "15"},
    }};
    const double lijstX = 6, lijstB = 190, kopY = 100, regel = 18;
    const QColor balk(200, 200, 200);
    p.fillRect(QRectF(lijstX, kopY, lijstB, 18), balk);
    p.setPen(Qt::black);
    p.setFont(lettertype("Arial", 12, true, true));
    p.drawText(QRectF(lijstX + 34, kopY, 100, 18), Qt::AlignVCenter, QStringLiteral("Woorden"));
    p.drawText(QRectF(lijstX + 140, kopY, 46, 18), Qt::AlignVCenter, QStringLiteral("Score"));
    const QRectF lijst(lijstX, kopY + 19, lijstB, regel * 6 + 4);
    p.fillRect(lijst, QColor(215, 215, 135));
    p.setFont(lettertype("Arial", 13));
    for (std::size_t i = 0; i < woorden.size(); ++i) {
        const double y = lijst.top() + 2 + regel * double(i);
        const bool goed = woorden[i].mark[0] == 'V';
        p.setPen(goed ? QColor(0, 120, 0) : QColor(200, 0, 0));
        p.drawText(QRectF(lijstX + 8, y, 20, regel), Qt::AlignVCenter, QString::fromLatin1(woorden[i].mark));
        p.setPen(QColor(0, 40, 80));
        p.drawText(QRectF(lijstX + 34, y, 100, regel), Qt::AlignVCenter, QString::fromLatin1(woorden[i].woord));
        p.drawText(QRectF(lijstX + 130, y, 40, regel), Qt::AlignVCenter | Qt::AlignRight,
                   QString::fromLatin1(woorden[i].punten));
    }
    const double voetY = lijst.bottom() + 1;
    p.fillRect(QRectF(lijstX, voetY, lijstB, 18), balk);
    p.setPen(Qt::black);
    p.setFont(lettertype("Arial", 12, true, true));
    p.drawText(QRectF(lijstX + 34, voetY, 40, 18), Qt::AlignVCenter, QStringLiteral("6"));
    p.drawText(QRectF(lijstX + 130, voetY, 40, 18), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("64"));

    // Time block on the right, as on the quiz screen.
    const QRectF blok(204, kopY, 105, voetY + 18 - kopY);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(blok, QColor(160, 160, 160));
    p.setPen(QColor(230, 230, 230));
    p.drawRect(blok);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(212, kopY + 10, 89, 24), QColor(200, 200, 0));
    p.setPen(QColor(40, 40, 40));
    p.setFont(lettertype("Arial", 13));
    p.drawText(QRectF(218, kopY + 10, 80, 24), Qt::AlignVCenter, QStringLiteral("STERK"));
    const QRectF tijd(212, kopY + 46, 89, 40);
    p.fillRect(tijd, QColor(140, 150, 160));
    p.setPen(QColor(60, 60, 0));
    p.setFont(lettertype("Arial", 28));
    p.drawText(tijd, Qt::AlignCenter, QStringLiteral("01:47"));
    p.setPen(Qt::black);
    p.setFont(lettertype("Arial", 12, false));
    p.drawText(QRectF(212, kopY + 88, 89, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Time"));
    p.setFont(lettertype("Arial", 11, false));
    p.drawText(QRectF(212, kopY + 108, 92, 34), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Woorden van 2 tot 9 letters"));

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(200, 200, 200));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, 314, 252));
    return beeld;
}

// ---------------------------------------------------------------------------------------

void maakAlles(Uitvoer &uit)
{
    const QImage bingoRad = radBeeld(kBingoRad, bingoStijl(), 600);
    uit.png(QStringLiteral("rad-bingo.png"), bingoRad);
    uit.jpeg(QStringLiteral("rad-1.jpg"), bingoRad);
    uit.png(QStringLiteral("rad-bingo-klein.png"), radBeeld(kBingoRad, bingoStijl(), 160));
    const QImage quizRad = radBeeld(kQuizRad, quizStijl(), 600);
    uit.png(QStringLiteral("rad-quiz.png"), quizRad);
    uit.jpeg(QStringLiteral("rad-2.jpg"), quizRad);
    uit.png(QStringLiteral("rad-quiz-klein.png"), radBeeld(kQuizRad, quizStijl(), 160));

    struct MenuIcoon {
        const char *naam;
        QColor plaat;
        Symbool symbool;
    };
    const std::array<MenuIcoon, 12> iconen{{
        {"knop7-zaalscherm.png", QColor(60, 70, 160), symboolZaalscherm},
        {"knop1-nieuwe-ronde.png", QColor(40, 160, 70), symboolNieuweRonde},
        {"knop2-scorelijst.png", QColor(225, 140, 0), symboolScorelijst},
        {"knop3-meer-software.png", QColor(35, 105, 210), symboolWeb},
        {"knop4-spelsoort.png", QColor(135, 65, 190), symboolSpelsoort},
        {"knop5-instellingen.png", QColor(90, 105, 125), symboolInstellingen},
        {"knop6-afdrukken.png", QColor(0, 140, 150), symboolAfdrukken},
        {"knop8-woordenlijst.png", QColor(165, 100, 40), symboolWoordenlijst},
        {"knop9-help.png", QColor(205, 50, 135), symboolHelp},
        {"knop10-kaart-controleren.png", QColor(110, 150, 20), symboolKaartControleren},
        {"about.png", QColor(0, 150, 195), symboolAbout},
        {"exit.png", QColor(200, 30, 30), symboolExit},
    }};
    for (const MenuIcoon &icoon : iconen)
        uit.png(QString::fromLatin1(icoon.naam), maakIcoon(QSize(48, 48), icoon.plaat, icoon.symbool));
    uit.png(QStringLiteral("start.png"), maakIcoon(QSize(48, 40), QColor(30, 160, 60), symboolStart));

    const QImage freeGroot = freeBeeld(5);
    uit.png(QStringLiteral("free.png"), freeBeeld(1));
    uit.png(QStringLiteral("free-groot.png"), freeGroot);
    uit.png(QStringLiteral("logo.png"), logoBeeld());

    uit.png(QStringLiteral("kaart0.png"), neutraalVoorbeeld());
    uit.png(QStringLiteral("kaart1.png"), bingoKaartVoorbeeld(QColor(200, 0, 0), true, freeGroot, 1701));
    uit.png(QStringLiteral("kaart2.png"), bingoKaartVoorbeeld(QColor(0, 200, 0), false, freeGroot, 2017));
    uit.png(QStringLiteral("kaart3.png"), bredeKaartVoorbeeld(3303));
    uit.png(QStringLiteral("kaart4.png"), vierBijVierVoorbeeld(4404));
    uit.png(QStringLiteral("quiz-help.png"), quizHelpBeeld());

    uit.png(QStringLiteral("printer-icon.png"), opMaskerGroen(printerBeeld(32)));
    uit.png(QStringLiteral("printer.png"), printerBeeld(64));
    uit.png(QStringLiteral("about-foto.png"), aboutFoto());
    uit.png(QStringLiteral("instellingen.png"), instellingenBeeld());
    uit.png(QStringLiteral("minimaliseer.png"), minimaliseerBeeld());
    uit.png(QStringLiteral("cursor.png"), cursorBeeld());
    // The window's icon, and the desktop's in every size of the icon theme.
    uit.png(QStringLiteral("pictogram.png"), pictogramBeeld(256));
    for (const int maat : {48, 64, 128, 256, 512})
        uit.pictogram(maat, pictogramBeeld(maat));
}

// What a scaled-up main window and its dialogs show, for screens up to 3 times the design.
void maakDetails(Uitvoer &uit)
{
    for (const int detail : {2, 3}) {
        gDetail = detail;
        uit.png(QStringLiteral("rad-bingo.png"), radBeeld(kBingoRad, bingoStijl(), 600));
        uit.png(QStringLiteral("rad-quiz.png"), radBeeld(kQuizRad, quizStijl(), 600));
        const std::array<std::pair<const char *, std::pair<QColor, Symbool>>, 12> iconen{{
            {"knop7-zaalscherm.png", {QColor(60, 70, 160), symboolZaalscherm}},
            {"knop1-nieuwe-ronde.png", {QColor(40, 160, 70), symboolNieuweRonde}},
            {"knop2-scorelijst.png", {QColor(225, 140, 0), symboolScorelijst}},
            {"knop3-meer-software.png", {QColor(35, 105, 210), symboolWeb}},
            {"knop4-spelsoort.png", {QColor(135, 65, 190), symboolSpelsoort}},
            {"knop5-instellingen.png", {QColor(90, 105, 125), symboolInstellingen}},
            {"knop6-afdrukken.png", {QColor(0, 140, 150), symboolAfdrukken}},
            {"knop8-woordenlijst.png", {QColor(165, 100, 40), symboolWoordenlijst}},
            {"knop9-help.png", {QColor(205, 50, 135), symboolHelp}},
            {"knop10-kaart-controleren.png", {QColor(110, 150, 20), symboolKaartControleren}},
            {"about.png", {QColor(0, 150, 195), symboolAbout}},
            {"exit.png", {QColor(200, 30, 30), symboolExit}},
        }};
        for (const auto &[naam, plaat] : iconen)
            uit.png(QString::fromLatin1(naam), maakIcoon(QSize(48, 48), plaat.first, plaat.second));
        uit.png(QStringLiteral("start.png"), maakIcoon(QSize(48, 40), QColor(30, 160, 60), symboolStart));
        uit.png(QStringLiteral("logo.png"), logoBeeld());
        uit.png(QStringLiteral("printer-icon.png"), opMaskerGroen(printerBeeld(32)));
        uit.png(QStringLiteral("about-foto.png"), aboutFoto());
        uit.png(QStringLiteral("instellingen.png"), instellingenBeeld());
        uit.png(QStringLiteral("minimaliseer.png"), minimaliseerBeeld());
    }
    gDetail = 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Gebruik: %s <map van de broncode>\n", argv[0]);
        return 2;
    }
    // Drawing on images needs no screen; the generator also runs on a build server.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    widgets::installFontSubstitutions();

    Uitvoer uit(QString::fromLocal8Bit(argv[1]));
    if (!uit.maakMappen()) {
        std::fprintf(stderr, "Kan de mappen onder %s/assets niet maken\n", argv[1]);
        return 1;
    }
    maakAlles(uit);
    maakDetails(uit);
    return uit.fouten() == 0 ? 0 : 1;
}
