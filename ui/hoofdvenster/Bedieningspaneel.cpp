#include "ui/hoofdvenster/Bedieningspaneel.h"

#include "core/Algemeen.h"
#include "core/bingo/BingoRonde.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/MenuBalk.h"
#include "ui/hoofdvenster/Zaalscherm.h"
#include "ui/toolkit/Omgeving.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace ui {

Bedieningspaneel::Bedieningspaneel(Main &main, Zaalscherm &zaal)
    // A window of its own, not a child of the main window: the hall's screen shows that one.
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_main(main)
{
    setObjectName(QStringLiteral("Bedieningspaneel"));
    setWindowTitle(QStringLiteral("Bediening"));
    setAutoFillBackground(true);
    QPalette kleuren = palette();
    kleuren.setColor(QPalette::Window, QColor(220, 220, 190));
    setPalette(kleuren);

    auto *rooster = new QGridLayout(this);
    m_letters = new QLabel(this);
    m_letters->setObjectName(QStringLiteral("GetrokkenLetters"));
    m_letters->setWordWrap(true);
    m_letters->setMinimumWidth(300);
    rooster->addWidget(m_letters, 0, 0, 1, 3);

    // The bingo game's controls, doing nothing in the word quiz, like their menu buttons and keys.
    m_trek = new QPushButton(QStringLiteral("Volgende letter"), this);
    connect(m_trek, &QPushButton::clicked, this, [this] {
        if (m_main.omgeving().algemeen.SpelSoort == core::SpelSoort::Bingo)
            m_main.trekLetter();
    });
    auto *ronde = new QPushButton(QStringLiteral("Nieuwe ronde"), this);
    connect(ronde, &QPushButton::clicked, this, [this] { m_main.menuActie(MenuActie::NieuweRonde); });
    auto *kaart = new QPushButton(QStringLiteral("Kaart controleren"), this);
    connect(kaart, &QPushButton::clicked, this, [this] { m_main.menuActie(MenuActie::KaartControleren); });
    rooster->addWidget(m_trek, 1, 0);
    rooster->addWidget(ronde, 1, 1);
    rooster->addWidget(kaart, 1, 2);

    m_spraak = new QCheckBox(QStringLiteral("Spraak"), this);
    m_spraak->setChecked(main.voorkeuren().spraakAan);
    connect(m_spraak, &QCheckBox::toggled, this, [this](bool aan) {
        Voorkeuren voorkeuren = m_main.voorkeuren();
        voorkeuren.spraakAan = aan;
        voorkeuren.bewaar();
        m_main.zetVoorkeuren(voorkeuren);
    });
    m_zwart = new QPushButton(QStringLiteral("Scherm zwart"), this);
    m_zwart->setCheckable(true);
    connect(m_zwart, &QPushButton::toggled, &zaal, &Zaalscherm::zetZwart);
    rooster->addWidget(m_spraak, 2, 0);
    rooster->addWidget(m_zwart, 2, 2);

    connect(&main, &Main::rondeGewijzigd, this, &Bedieningspaneel::werkBij);
    werkBij();
}

void Bedieningspaneel::plaatsOp(const QRect &scherm)
{
    adjustSize();
    move(scherm.right() - width() - 20, scherm.bottom() - height() - 60);
}

void Bedieningspaneel::werkBij()
{
    QStringList letters;
    for (const int letter : m_main.ronde().stand().letters)
        letters << QString(QLatin1Char(char('A' - 1 + letter)));
    m_letters->setText(QStringLiteral("Getrokken (%1): %2")
                           .arg(letters.size())
                           .arg(letters.isEmpty() ? QStringLiteral("nog geen") : letters.join(QLatin1Char(' '))));
}

} // namespace ui
