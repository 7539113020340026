#include "ui/quiz/BesteWoordenPaneel.h"

#include "widgets/Fonts.h"

#include <QPainter>

#include <algorithm>

namespace ui {

namespace {

const QColor Achtergrond(40, 0, 0);
const QColor Rand(200, 200, 200);
const QColor Geel(255, 230, 0);
const QColor Lichtgrijs(220, 220, 220);
const QColor Groen(0, 200, 0);

constexpr int EersteRij = 100;
constexpr int RijHoogte = 44;

QString tekst(const std::string &s) { return QString::fromStdString(s); }

} // namespace

BesteWoordenPaneel::BesteWoordenPaneel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BesteWoorden"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void BesteWoordenPaneel::toon(std::vector<core::BestWoord> woorden, std::set<std::string> gevonden)
{
    m_woorden = std::move(woorden);
    m_gevonden = std::move(gevonden);
    show();
    raise();
    update();
}

void BesteWoordenPaneel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Achtergrond);
    painter.setPen(QPen(Rand, 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(4, 4, -4, -4), 12, 12);

    const QRect regel(30, 24, width() - 60, 50);
    painter.setFont(widgets::designFont(QStringLiteral("Comic Sans MS"), 22, true));
    painter.setPen(Geel);
    painter.drawText(regel, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("De beste woorden met deze letters"));

    painter.setFont(widgets::designFont(QStringLiteral("Arial"), 20, true));
    if (m_woorden.empty()) {
        painter.setPen(Lichtgrijs);
        painter.drawText(rect().adjusted(40, 0, -40, 0), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("Met deze letters is geen woord uit de woordenlijsten te maken."));
        return;
    }
    for (std::size_t i = 0; i < m_woorden.size(); ++i) {
        const core::BestWoord &woord = m_woorden[i];
        const bool gevonden = isGevonden(woord);
        const int y = EersteRij + int(i) * RijHoogte;
        if (gevonden) {
            painter.setPen(Groen);
            painter.drawText(QRect(40, y, 40, RijHoogte), Qt::AlignVCenter, QStringLiteral("V"));
        }
        painter.setPen(gevonden ? Geel : Lichtgrijs);
        painter.drawText(QRect(90, y, 330, RijHoogte), Qt::AlignVCenter, tekst(woord.woord));
        painter.drawText(QRect(420, y, 120, RijHoogte), Qt::AlignVCenter | Qt::AlignRight,
                         QString::number(woord.punten));
    }
    if (std::any_of(m_woorden.begin(), m_woorden.end(), [this](const core::BestWoord &w) { return isGevonden(w); })) {
        painter.setFont(widgets::designFont(QStringLiteral("Arial"), 12));
        painter.setPen(Lichtgrijs);
        painter.drawText(QRect(40, height() - 56, width() - 80, 30), Qt::AlignVCenter,
                         QStringLiteral("V = door de speler gevonden"));
    }
}

} // namespace ui
