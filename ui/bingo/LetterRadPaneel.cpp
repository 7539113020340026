#include "ui/bingo/LetterRadPaneel.h"

#include "ui/toolkit/Beelden.h"
#include "ui/toolkit/KlikLabel.h"
#include "ui/toolkit/Wachter.h"
#include "widgets/DeviceScale.h"
#include "widgets/Fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {
const QPoint Middelpunt(300, 300);
const int DopStraal = 6;

// What a pointer to `einde` covers, with its round cap, the centre dot and the smoothed edge:
// a band of short pieces along it, not the whole square it spans.
QRegion wijzerGebied(QPoint einde)
{
    constexpr int Stukken = 8;
    constexpr int Rand = DopStraal + 2;
    QRegion gebied;
    for (int i = 0; i < Stukken; ++i) {
        const QPoint van = Middelpunt + (einde - Middelpunt) * i / Stukken;
        const QPoint tot = Middelpunt + (einde - Middelpunt) * (i + 1) / Stukken;
        gebied += QRect(van, tot).normalized().adjusted(-Rand, -Rand, Rand, Rand);
    }
    return gebied;
}
} // namespace

LetterRadPaneel::LetterRadPaneel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RadPic"));
    setFixedSize(600, 600);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_picture = beeld(QStringLiteral("rad-bingo.png"));
    m_detail = detailBron(QStringLiteral("rad-bingo.png"));

    m_label1 = maakLabel(this, QStringLiteral("A"), widgets::designFont(QStringLiteral("Comic Sans MS"), 36),
                         QColor(200, 200, 200));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->move(283, 384);

    m_label4 = maakLabel(this, QString(), widgets::designFont(QStringLiteral("Arial"), 8.25), Qt::white);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->hide(); // kept up to date, never shown
}

void LetterRadPaneel::setPicture(const QImage &picture, DetailBron detailed)
{
    m_picture = picture;
    m_detail = std::move(detailed);
    m_opSchaal = QImage();
    update();
}

bool LetterRadPaneel::laadPicture(const QString &path, DetailBron detailed)
{
    QImage picture;
    if (!picture.load(path) || picture.isNull())
        return false;
    setPicture(picture, std::move(detailed));
    return true;
}

void LetterRadPaneel::toonStap(const core::RadPositie &punt)
{
    const QPoint vorigEinde = m_wijzerEinde;
    m_wijzerEinde = QPoint(punt.x, punt.y);
    m_label1->setText(QString(QChar(punt.letter)));
    m_label1->adjustSize();
    // Only where the pointer was and is now: on a large screen the wheel is millions of pixels.
    update(wijzerGebied(vorigEinde));
    update(wijzerGebied(m_wijzerEinde));
}

void LetterRadPaneel::speel(const std::vector<core::RadStap> &stappen, Wachter &wachter)
{
    for (const core::RadStap &stap : stappen) {
        toonStap(stap.punt);
        wachter.Wacht(float(stap.wacht));
    }
}

QString LetterRadPaneel::letter() const { return m_label1->text(); }

QString LetterRadPaneel::muisPositie() const { return m_label4->text(); }

void LetterRadPaneel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(40, 0, 0));
    const qreal schaal = widgets::deviceScale(painter);
    if (schaal > 1.001 && !m_picture.isNull()) {
        // Resampled once per scale, so a turning pointer only copies pixels.
        if (m_opSchaal.isNull() || widgets::differentScale(schaal, m_schaal)) {
            m_opSchaal = widgets::resampledForScale(m_detail ? m_detail(schaal) : m_picture, QSize(600, 600), schaal);
            m_schaal = schaal;
        }
        // Nearest pixels: each lands on one of the screen's, and no filter runs over the wheel.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRectF(0, 0, 600, 600), m_opSchaal);
    } else if (!m_picture.isNull()) {
        painter.drawImage(QRect(0, 0, 600, 600), m_picture);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(Middelpunt, m_wijzerEinde);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(Middelpunt, DopStraal, DopStraal);
}

void LetterRadPaneel::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    m_label4->setText(QStringLiteral("%1 , %2").arg(p.x()).arg(p.y()));
    QWidget::mouseMoveEvent(event);
}

} // namespace ui
