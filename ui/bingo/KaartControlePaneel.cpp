#include "ui/bingo/KaartControlePaneel.h"

#include "ui/toolkit/Beelden.h"
#include "widgets/Fonts.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace ui {

namespace {

const QColor Achtergrond(40, 0, 0);
const QColor Rand(200, 200, 200);
const QColor Titel(255, 230, 0);
const QColor Aangekruist(255, 220, 0);
const QColor AangekruistLetter(60, 0, 0);
const QColor Open(90, 0, 0);
const QColor OpenLetter(150, 110, 110);
const QColor Vol(0, 220, 0);
const QColor Tekst(240, 240, 240);
const QColor MiddenstukGrijs(200, 200, 200);

constexpr int Marge = 20;
constexpr int RoosterTop = 60;
constexpr int RoosterHoogte = 290;

} // namespace

KaartControlePaneel::KaartControlePaneel(QWidget *parent)
    : QWidget(parent)
    , m_free(beeld(QStringLiteral("free.png")))
{
    setObjectName(QStringLiteral("KaartControle"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    hide();
}

void KaartControlePaneel::toon(const QString &titel, const core::BingoKaart &kaart,
                               const std::array<std::uint8_t, 28> &getrokken)
{
    m_titel = titel;
    m_kaart = kaart;
    m_getrokken = getrokken;
    m_uitslag = core::controleerKaart(kaart, getrokken);
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    update();
}

void KaartControlePaneel::sluit() { hide(); }

QStringList KaartControlePaneel::uitslagRegels() const
{
    QStringList regels{QString::fromStdString(core::uitslagTekst(m_uitslag))};
    for (const std::string &lijn : m_uitslag.volleLijnen)
        regels << QString::fromStdString(lijn);
    return regels;
}

void KaartControlePaneel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Achtergrond);
    painter.setPen(QPen(Rand, 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));

    painter.setPen(Titel);
    painter.setFont(widgets::designFont(QStringLiteral("Arial"), 16, true));
    painter.drawText(QRect(Marge, 12, width() - 2 * Marge, 36), Qt::AlignCenter, m_titel);

    const int kolommen = m_kaart.kolommen(), rijen = m_kaart.rijen();
    const int cel = std::min((width() - 2 * Marge) / kolommen, RoosterHoogte / rijen);
    const QPoint hoek((width() - cel * kolommen) / 2, RoosterTop + (RoosterHoogte - cel * rijen) / 2);
    painter.setFont(widgets::designFont(QStringLiteral("Arial"), cel * 0.36, true));
    for (int kolom = 1; kolom <= kolommen; ++kolom)
        for (int rij = 1; rij <= rijen; ++rij) {
            const QRect vak(hoek + QPoint((kolom - 1) * cel, (rij - 1) * cel), QSize(cel, cel));
            const bool aan = core::isAangekruist(m_kaart, kolom, rij, m_getrokken);
            painter.fillRect(vak, aan ? Aangekruist : Open);
            painter.setPen(QPen(Rand, 1));
            painter.drawRect(vak);
            // As printed: a Free picture in a corner, the grey middle piece across a wide card.
            if (m_kaart.isFree(kolom, rij) && m_kaart.kolommen() > 5) {
                painter.fillRect(vak.adjusted(2, 2, -2, -2), MiddenstukGrijs);
                continue;
            }
            if (m_kaart.isFree(kolom, rij) && !m_free.isNull()) {
                painter.drawImage(vak.adjusted(3, 3, -3, -3), m_free);
                continue;
            }
            painter.setPen(aan ? AangekruistLetter : OpenLetter);
            painter.drawText(vak, Qt::AlignCenter,
                             QString(QChar::fromLatin1(core::kaartLetterTeken(m_kaart.letter(kolom, rij)))));
        }

    const QStringList regels = uitslagRegels();
    int y = RoosterTop + RoosterHoogte + 12;
    // Up to two lines: the missing letters of a card with few drawn run long.
    painter.setFont(widgets::designFont(QStringLiteral("Arial"), 16, true));
    painter.setPen(m_uitslag.vol() ? Vol : Tekst);
    const QRect eerste = painter.boundingRect(QRect(Marge, y, width() - 2 * Marge, 64),
                                              Qt::AlignHCenter | Qt::TextWordWrap, regels.first());
    painter.drawText(QRect(Marge, y, width() - 2 * Marge, 64), Qt::AlignHCenter | Qt::TextWordWrap, regels.first());
    y += eerste.height() + 6;
    painter.setFont(widgets::designFont(QStringLiteral("Arial"), 12, true));
    painter.setPen(Vol);
    painter.drawText(QRect(Marge, y, width() - 2 * Marge, height() - y - 30), Qt::AlignHCenter | Qt::TextWordWrap,
                     regels.mid(1).join(QStringLiteral(",  ")));
    painter.setFont(widgets::designFont(QStringLiteral("Arial"), 9));
    painter.setPen(Rand);
    painter.drawText(QRect(Marge, height() - 26, width() - 2 * Marge, 20), Qt::AlignCenter,
                     QStringLiteral("Klik of druk op Esc om terug te gaan naar het bord"));
}

void KaartControlePaneel::mousePressEvent(QMouseEvent *) { sluit(); }

void KaartControlePaneel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_K)
        sluit();
    else
        QWidget::keyPressEvent(event);
}

} // namespace ui
