#include "ui/dialogen/AboutForm.h"

#include "core/Algemeen.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/toolkit/Beelden.h"
#include "ui/toolkit/DialoogTonen.h"
#include "ui/toolkit/KlikLabel.h"
#include "ui/toolkit/Omgeving.h"
#include "ui/toolkit/Twips.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QLabel>

namespace ui {

namespace {
constexpr int BestandenHoogte = 1080; // twips under the about text for where the files are
} // namespace

QString aboutTekst()
{
    const QStringList regels = {
        QStringLiteral("Alfabo Lotto, gemaakt door Kwartelhoven Software"),
        QStringLiteral("Gemaakt met C++ en Qt"),
        QStringLiteral("More special software and stamp collection"),
        QStringLiteral("on my special website...") + QString::fromLatin1(core::Algemeen::WebAdres),
        QStringLiteral("or mail to... info@alfabolotto.nl"),
        QString(),
        QStringLiteral("Versie %1, December 2026").arg(QStringLiteral(ALFABO_VERSIE)),
    };
    return regels.join(QStringLiteral("\r\n"));
}

AboutForm::AboutForm(Main &main)
    : QDialog(&main)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About Me..."));
    zetVensterMaat(this, 6300, 2850 + BestandenHoogte);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(190, 200, 230));
    setPalette(palette);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(plaatjeVoorSchaal(QStringLiteral("about-foto.png"), podiumSchaal()));
    m_image1->move(twips(180), twips(210));
    m_image1->resize(118, 130);

    // A label of fixed size: long lines wrap inside it, what does not fit below is cut off.
    // The label breaks lines at a line feed alone.
    m_label1 = maakLabel(this, QString(aboutTekst()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                         widgets::designFont(QStringLiteral("Arial"), 9, false, true), QColor(64, 64, 64));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    plaats(m_label1, 2250, 300, 3900, 1800);

    m_cancelKnop = new widgets::VistaButton(this);
    m_cancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    m_cancelKnop->setCaption(QStringLiteral("Cancel"));
    m_cancelKnop->setBackColor(Qt::white);
    plaats(m_cancelKnop, 5010, 1890, 990, 360);
    connect(m_cancelKnop, &widgets::VistaButton::Click, this, &QDialog::reject);
    m_cancelKnop->setFocus();

    // Below: where this computer keeps the program's files, to find them or take them along.
    m_bestanden = maakLabel(this, main.omgeving().plekken.omschrijving(),
                            widgets::designFont(QStringLiteral("Arial"), 8.25), QColor(64, 64, 64));
    m_bestanden->setObjectName(QStringLiteral("BestandenLabel"));
    m_bestanden->setWordWrap(true);
    m_bestanden->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_bestanden->setTextInteractionFlags(Qt::TextSelectableByMouse);
    plaats(m_bestanden, 180, 2460, 5940, BestandenHoogte - 120);
}

void toonAboutForm(Main &main)
{
    AboutForm form(main);
    toonDialoog(form);
}

} // namespace ui
