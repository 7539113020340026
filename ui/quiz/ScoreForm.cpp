#include "ui/quiz/ScoreForm.h"

#include "core/quiz/ScoreLijst.h"
#include "core/quiz/ScoreTeksten.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/toolkit/DialoogTonen.h"
#include "ui/toolkit/Dialogen.h"
#include "ui/toolkit/Omgeving.h"
#include "ui/toolkit/Twips.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

namespace ui {

namespace {
QString tekst(const std::string &utf8) { return QString::fromStdString(utf8); }
} // namespace

ScoreForm::ScoreForm(Main &main)
    : QDialog(&main)
    , m_main(main)
{
    setObjectName(QStringLiteral("ScoreForm"));
    setWindowTitle(QStringLiteral("Hoogst Scorelijst"));
    zetVensterMaat(this, 3945, 6420);

    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    plaats(m_frame1, 90, 0, 3675, 5850);

    m_list1 = new QListWidget(m_frame1);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setFont(widgets::designFont(QStringLiteral("Arial"), 9.75));
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette palette = m_list1->palette();
    palette.setColor(QPalette::Base, QColor(150, 230, 180));
    m_list1->setPalette(palette);
    plaats(m_list1, 150, 240, 3405, 4620);
    for (const std::string &regel : m_main.scoreLijst().descending())
        m_list1->addItem(tekst(regel));

    m_label2 = new QLabel(m_frame1);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(widgets::designFont(QStringLiteral("Arial"), 8.25));
    m_label2->move(twips(150), twips(4950));
    toonAantal();

    m_deleteKnop = maakKnop(QStringLiteral("DeleteKnop"), QStringLiteral("Del"), 135);
    m_deleteAllKnop = maakKnop(QStringLiteral("DeleteAllKnop"), QStringLiteral("Del All"), 1080);
    m_okKnop = maakKnop(QStringLiteral("OkKnop"), QStringLiteral("Ok"), 2640);
    connect(m_deleteKnop, &widgets::VistaButton::Click, this, &ScoreForm::deleteGeklikt);
    connect(m_deleteAllKnop, &widgets::VistaButton::Click, this, &ScoreForm::deleteAllGeklikt);
    connect(m_okKnop, &widgets::VistaButton::Click, this, &ScoreForm::okGeklikt);

    setTabOrder(m_list1, m_deleteKnop);
    setTabOrder(m_deleteKnop, m_deleteAllKnop);
    setTabOrder(m_deleteAllKnop, m_okKnop);
    m_okKnop->setFocus();
}

widgets::VistaButton *ScoreForm::maakKnop(const QString &naam, const QString &caption, int left)
{
    auto *knop = new widgets::VistaButton(m_frame1);
    knop->setObjectName(naam);
    knop->setCaption(caption);
    knop->setBackColor(Qt::white);
    knop->setFocusPolicy(Qt::StrongFocus);
    plaats(knop, left, 5370, 900, 330);
    return knop;
}

void ScoreForm::toonAantal()
{
    m_label2->setText(tekst(core::AantalNamenTekst(std::size_t(m_list1->count()))));
    m_label2->adjustSize();
}

void ScoreForm::okGeklikt() { accept(); }

void ScoreForm::deleteGeklikt()
{
    if (m_list1->count() == 0)
        return;
    const QList<QListWidgetItem *> gekozen = m_list1->selectedItems();
    QListWidgetItem *item = gekozen.isEmpty() ? nullptr : gekozen.front();
    const std::string regel = item ? item->text().toStdString() : std::string();

    Dialogen &dialogen = m_main.omgeving().dialogen;
    if (dialogen.melding(this, tekst(core::ScoreVerwijderVraag(regel)), QString::fromLatin1(core::ScoreVerwijderTitel),
                         Knoppen::JaNee)
        != Antwoord::Ja)
        return;
    if (!item) {
        dialogen.melding(this, QString::fromLatin1(core::ScoreGeenKeuzeMelding),
                         QString::fromLatin1(core::ScoreFoutjeTitel));
        return;
    }
    delete m_list1->takeItem(m_list1->row(item));
    m_main.scoreLijst().remove(regel);
    toonAantal();
}

void ScoreForm::deleteAllGeklikt()
{
    if (m_list1->count() == 0)
        return;
    const std::size_t aantal = std::size_t(m_list1->count());
    if (m_main.omgeving().dialogen.melding(this, tekst(core::ScoreVerwijderAllesVraag(aantal)),
                                           QString::fromLatin1(core::ScoreVerwijderAllesTitel), Knoppen::JaNee)
        != Antwoord::Ja)
        return;
    m_list1->clear();
    m_main.scoreLijst().removeAll();
    toonAantal();
}

void toonScoreForm(Main &main)
{
    ScoreForm form(main);
    toonDialoog(form);
}

} // namespace ui
