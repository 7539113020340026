#include "ui/bingo/BingoBord.h"

#include "core/bingo/BordPositie.h"
#include "core/LetterAfdruk.h"
#include "ui/bingo/NieuwsteLetterMarkering.h"
#include "ui/toolkit/Beelden.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

namespace ui {

namespace {
QColor kleur(const core::Kleur &k) { return QColor(k.rood, k.groen, k.blauw); }
} // namespace

BingoBord::BingoBord(QWidget *parent)
    : TekenPaneel(parent)
    , m_logo(beeld(QStringLiteral("logo.png")))
    , m_logoDetail(detailBron(QStringLiteral("logo.png")))
{
    setObjectName(QStringLiteral("Pic"));
    setDrawFont(widgets::designFont(QStringLiteral("Comic Sans MS"), 46, true));

    m_startKnop = new widgets::VistaButton(this);
    m_startKnop->setObjectName(QStringLiteral("StartKnop"));
    m_startKnop->setCaption(QString());
    m_startKnop->setPicture(beeld(QStringLiteral("start.png")));
    m_startKnop->setDetailedPictureSource(detailBron(QStringLiteral("start.png")));
    m_startKnop->setPictures(1);
    m_markering = new NieuwsteLetterMarkering(this);
}

void BingoBord::zetMarkering(bool aan)
{
    m_markeren = aan;
    if (!aan)
        m_markering->hide();
}

void BingoBord::WisBord()
{
    removePicture();
    setBackColor(QColor(100, 0, 0));

    const QColor grid(200, 200, 200);
    for (int y = 0; y <= 480; y += 80)
        line(0, y, 490, y, grid);
    for (int x = 0; x <= 480; x += 96)
        line(x, 0, x, 490, grid);

    const QColor donker(30, 30, 30);
    filledBox(1, 1, 95, 79, donker);
    filledBox(385, 1, 479, 79, donker);
    filledBox(1, 401, 95, 479, donker);
    filledBox(385, 401, 479, 479, donker);

    paintPicture(m_logo, 3, 3, 90, 75, m_logoDetail);
    paintPicture(m_logo, 387, 3, 90, 75, m_logoDetail);
    paintPicture(m_logo, 387, 403, 90, 75, m_logoDetail);

    m_startKnop->setGeometry(10, 410, 78, 62);
    m_startKnop->setToolTip(QStringLiteral(" Starten Alfabo Lotto "));
    m_markering->hide();
}

void BingoBord::DrukLetter(const core::LetterAfdruk &afdruk)
{
    const QString letter(QChar(afdruk.letter));
    printAt(afdruk.wit.x, afdruk.wit.y, letter, kleur(core::AfdrukWit));
    printAt(afdruk.gekleurd.x, afdruk.gekleurd.y, letter, kleur(afdruk.kleur));
    if (m_markeren) {
        const core::BordVak vak = core::vakVan(afdruk);
        m_markering->setGeometry(vak.kolom * 96, vak.rij * 80, 97, 81);
        m_markering->show();
        m_markering->raise();
    }
}

} // namespace ui
