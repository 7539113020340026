#include "ui/hoofdvenster/MenuBalk.h"

#include "ui/toolkit/Beelden.h"
#include "ui/toolkit/Randen.h"
#include "ui/toolkit/Twips.h"
#include "widgets/VistaButton.h"

namespace ui {

namespace {

struct MenuKnop {
    MenuActie actie;
    const char *icoon;
    const char *tooltip;
};

constexpr MenuKnop MenuKnoppen[] = {
    {MenuActie::NieuweRonde, "knop1-nieuwe-ronde.png", " Nieuwe Bingo Ronde "},
    {MenuActie::Scorelijst, "knop2-scorelijst.png", " Hoogstscore Lijst Quiz "},
    {MenuActie::MeerSoftware, "knop3-meer-software.png", " Meer Software "},
    {MenuActie::SpelSoort, "knop4-spelsoort.png", " Alfabo Lotto / Woorden Quiz "},
    {MenuActie::Instellingen, "knop5-instellingen.png", " Instellingen "},
    {MenuActie::Afdrukken, "knop6-afdrukken.png", " Afdrukken Bingo Formulieren "},
    {MenuActie::Zaalscherm, "knop7-zaalscherm.png", " Zaalscherm Aan / Uit (F10) "},
    {MenuActie::Woordenlijst, "knop8-woordenlijst.png", " Quiz Woorden Toevoegen / Verwijderen "},
    {MenuActie::Help, "knop9-help.png", " Help "},
    {MenuActie::KaartControleren, "knop10-kaart-controleren.png", " Kaart Controleren (K) "},
};

constexpr int KnopMaat = 840; // twips

} // namespace

MenuBalk::MenuBalk(QWidget *parent)
    : TekenPaneel(parent)
{
    setObjectName(QStringLiteral("MenuPic"));
    for (const MenuKnop &k : MenuKnoppen) {
        auto *knop = maakKnop(QStringLiteral("Knop%1").arg(static_cast<int>(k.actie)), QString::fromLatin1(k.icoon),
                              QString::fromLatin1(k.tooltip));
        const MenuActie actie = k.actie;
        connect(knop, &widgets::VistaButton::Click, this, [this, actie] { emit knopGeklikt(actie); });
        m_knoppen[actie] = knop;
    }
    m_aboutKnop = maakKnop(QStringLiteral("AboutKnop"), QStringLiteral("about.png"), QStringLiteral(" About me "));
    connect(m_aboutKnop, &widgets::VistaButton::Click, this, &MenuBalk::aboutGeklikt);
    m_exitKnop = maakKnop(QStringLiteral("ExitKnop"), QStringLiteral("exit.png"), QStringLiteral(" Stop Programma "));
    connect(m_exitKnop, &widgets::VistaButton::Click, this, &MenuBalk::exitGeklikt);
}

widgets::VistaButton *MenuBalk::maakKnop(const QString &naam, const QString &icoon, const QString &tooltip)
{
    auto *knop = new widgets::VistaButton(this);
    knop->setObjectName(naam);
    knop->setCaption(QString());
    knop->setPicture(beeld(icoon));
    knop->setDetailedPictureSource(detailBron(icoon));
    knop->setPictures(1);
    knop->setUseMaskColor(true);
    knop->setMaskColor(QColor(0, 255, 0));
    knop->setBackColor(QColor(90, 90, 90));
    knop->setToolTip(tooltip);
    return knop;
}

void MenuBalk::legUit(int breedte)
{
    plaats(this, 120, 120);
    resize(breedte, twips(1200));
    setBackColor(QColor(90, 90, 90));
    tekenRand(*this, 7, [](int i) { return QColor(30 * i, 30 * i, 30 * i); });

    for (const auto &[actie, knop] : m_knoppen)
        plaats(knop, 180 + 900 * (static_cast<int>(actie) - 1), 180, KnopMaat, KnopMaat);
    const int breedteTwips = breedte * TwipsPerPixel;
    plaats(m_aboutKnop, breedteTwips - 1935, 180, KnopMaat, KnopMaat);
    plaats(m_exitKnop, breedteTwips - 1020, 180, KnopMaat, KnopMaat);
}

widgets::VistaButton *MenuBalk::knop(MenuActie actie) const
{
    const auto it = m_knoppen.find(actie);
    return it == m_knoppen.end() ? nullptr : it->second;
}

} // namespace ui
