#include "ui/dialogen/SoortForm.h"

#include "core/Algemeen.h"
#include "ui/bingo/BingoBord.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/toolkit/Beelden.h"
#include "ui/toolkit/Dialogen.h"
#include "ui/toolkit/DialoogTonen.h"
#include "ui/toolkit/KlikLabel.h"
#include "ui/toolkit/Omgeving.h"
#include "ui/toolkit/TekenPaneel.h"
#include "ui/toolkit/Twips.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace ui {

namespace {

const QColor Achtergrond(220, 220, 190);

void zetAchtergrond(QWidget *widget, const QColor &kleur)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, kleur);
    palette.setColor(QPalette::Button, kleur); // what option buttons fill with
    widget->setPalette(palette);
}

widgets::VistaButton *maakKnop(QWidget *parent, const QString &naam, const QString &caption)
{
    auto *knop = new widgets::VistaButton(parent);
    knop->setObjectName(naam);
    knop->setCaption(caption);
    knop->setBackColor(Qt::white);
    return knop;
}

} // namespace

SoortForm::SoortForm(Main &main)
    : QDialog(&main)
    , m_main(main)
{
    legUit();
    // Selecting the option of the current game shows its preview through the option's handler.
    const int index = m_main.omgeving().algemeen.SpelSoort == core::SpelSoort::Quiz ? 1 : 0;
    m_option1[index]->setChecked(true);
    m_cancelKnop->setFocus();
}

void SoortForm::legUit()
{
    setObjectName(QStringLiteral("SoortForm"));
    setWindowTitle(QStringLiteral("Soort Bingo"));
    zetVensterMaat(this, 5250, 3360);
    zetAchtergrond(this, Achtergrond);
    setFont(widgets::designFont(QStringLiteral("Arial"), 8.25));

    auto *label1 = new QLabel(this);
    label1->setObjectName(QStringLiteral("Label1"));
    zetAchtergrond(label1, QColor(200, 200, 200));
    plaats(label1, 180, 210, 2520, 2520);

    m_pic = new TekenPaneel(this);
    m_pic->setObjectName(QStringLiteral("Pic"));
    plaats(m_pic, 240, 270, 2400, 2400);
    m_pic->setBackColor(QColor(200, 200, 200));

    QLabel *label2 = maakLabel(this, QStringLiteral("Maak keuze Bingo of Quiz"), font(), Qt::black);
    label2->setObjectName(QStringLiteral("Label2"));
    plaats(label2, 3030, 300);

    // A plain etched frame: a styled group box would shade its inside darker than the dialog.
    auto *frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    zetAchtergrond(frame1, Achtergrond);
    plaats(frame1, 3000, 510, 1920, 930);

    // The options stand inside the frame; their places are given in the dialog's twips.
    auto *groep = new QButtonGroup(this);
    const QString captions[2] = {QStringLiteral("Alfabo Lotto"), QStringLiteral("Woorden Quiz")};
    for (int i = 0; i < 2; ++i) {
        auto *optie = new QRadioButton(captions[i], frame1);
        optie->setObjectName(QStringLiteral("Option1_%1").arg(i));
        zetAchtergrond(optie, Achtergrond);
        plaats(optie, 3150 - 3000, 750 + 300 * i - 510, 1500, 300);
        groep->addButton(optie, i);
        connect(optie, &QRadioButton::toggled, this, [this, i](bool aan) {
            if (aan)
                optionGeklikt(i);
        });
        m_option1[i] = optie;
    }

    m_cancelKnop = maakKnop(this, QStringLiteral("CancelKnop"), QStringLiteral("Annuleren"));
    plaats(m_cancelKnop, 3000, 2340, 990, 360);
    connect(m_cancelKnop, &widgets::VistaButton::Click, this, &QDialog::reject);

    m_okKnop = maakKnop(this, QStringLiteral("OkKnop"), QStringLiteral("Ok"));
    plaats(m_okKnop, 4020, 2340, 900, 360);
    connect(m_okKnop, &widgets::VistaButton::Click, this, &SoortForm::okGeklikt);

    setTabOrder(m_option1[0], m_option1[1]);
    setTabOrder(m_option1[1], m_cancelKnop);
    setTabOrder(m_cancelKnop, m_okKnop);
}

QImage SoortForm::voorbeeld(int index)
{
    return QImage(index == 1 ? QStringLiteral(":/images/rad-quiz-klein.png")
                             : QStringLiteral(":/images/rad-bingo-klein.png"));
}

void SoortForm::optionGeklikt(int index)
{
    m_pic->wis();
    m_pic->paintPicture(voorbeeld(index), 0, 0, m_pic->width(), m_pic->height());
}

void SoortForm::okGeklikt()
{
    m_main.pic2()->stopAftellen();

    const bool quiz = m_option1[1]->isChecked();
    const QString pad =
        m_main.omgeving().plekken.dataBestand(quiz ? QStringLiteral("rad-2.jpg") : QStringLiteral("rad-1.jpg"));
    const auto detail = detailBron(quiz ? QStringLiteral("rad-quiz.png") : QStringLiteral("rad-bingo.png"));
    if (!m_main.radPic()->laadPicture(pad, detail)) {
        m_main.omgeving().dialogen.melding(this, QStringLiteral("Kan gekozen afbeelding niet laden!"),
                                           QStringLiteral("Error"), Knoppen::Ok, Icoon::Kritiek);
        reject();
        return;
    }

    m_main.omgeving().algemeen.SpelSoort = quiz ? core::SpelSoort::Quiz : core::SpelSoort::Bingo;
    const QString titel = quiz ? QStringLiteral("Woorden Quiz") : QStringLiteral("Alfabo Lotto");
    for (int i = 0; i < 2; ++i) {
        m_main.logoLabel(i)->setText(titel);
        m_main.logoLabel(i)->adjustSize();
    }
    m_main.pic()->setVisible(!quiz);
    m_main.rondeLabel()->setVisible(!quiz);
    m_main.beurtLabel()->setVisible(!quiz);
    m_main.pic2()->setVisible(quiz);
    accept();
}

void toonSoortForm(Main &main)
{
    SoortForm form(main);
    toonDialoog(form);
}

} // namespace ui
