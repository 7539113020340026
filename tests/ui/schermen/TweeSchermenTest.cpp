// A laptop with a projector: the program opens full screen on the screen the operator chose,
// remembered by name, and on the laptop's own screen when that one is not connected.
#include "support/MetHoofdvenster.h"

#include "ui/dialogen/ConfigForm.h"
#include "ui/hoofdvenster/Podium.h"
#include "ui/hoofdvenster/Weergave.h"
#include "ui/toolkit/Voorkeuren.h"
#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

using namespace ui;

namespace {

struct TweeSchermen : MetHoofdvenster {
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::screens().size(), 2) << "the test runs with twee-schermen.json";
        MetHoofdvenster::SetUp();
    }
    Voorkeuren op(const QString &scherm)
    {
        Voorkeuren voorkeuren;
        voorkeuren.beeldscherm = scherm;
        return voorkeuren;
    }
    QRect geometrie(const QString &scherm) const { return schermMetNaam(scherm)->geometry(); }
};

} // namespace

TEST_F(TweeSchermen, OpensFullScreenOnTheChosenScreenFittedToIt)
{
    Weergave weergave(*main);
    weergave.toon(op(QStringLiteral("Beamer")));
    QCoreApplication::processEvents();
    EXPECT_EQ(weergave.scherm()->name().toStdString(), "Beamer");
    EXPECT_EQ(weergave.podium()->geometry(), geometrie(QStringLiteral("Beamer")));
    EXPECT_TRUE(weergave.podium()->isFullScreen());
    EXPECT_DOUBLE_EQ(weergave.podium()->schaal(), 1.35);

    weergave.toon(op(QStringLiteral("Laptop")));
    QCoreApplication::processEvents();
    EXPECT_EQ(weergave.podium()->geometry(), geometrie(QStringLiteral("Laptop")));
    EXPECT_DOUBLE_EQ(weergave.podium()->schaal(), 0.96);
}

TEST_F(TweeSchermen, AChosenScreenThatIsNotConnectedGivesThePrimaryScreenWithoutAMessage)
{
    Weergave weergave(*main);
    weergave.toon(op(QStringLiteral("Projector zaal 2")));
    QCoreApplication::processEvents();
    EXPECT_EQ(weergave.scherm(), QGuiApplication::primaryScreen());
    EXPECT_EQ(weergave.podium()->geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_TRUE(test.dialogen.meldingen.empty());
}

// The settings dialog lists both screens; the one chosen there is remembered in the
// configuration folder and the window goes there.
TEST_F(TweeSchermen, TheScreenChosenInTheSettingsIsRememberedAndTheWindowMovesThere)
{
    Weergave weergave(*main);
    main->zetVoorkeuren(op(QString()));
    weergave.toon(main->voorkeuren());
    QObject::connect(main.get(), &Main::voorkeurenGewijzigd, &weergave, &Weergave::toon);
    {
        ConfigForm form(*main);
        QComboBox *keuze = form.beeldschermKeuze();
        ASSERT_EQ(keuze->count(), 2);
        QScreen *eerste = QGuiApplication::primaryScreen();
        QScreen *ander = QGuiApplication::screens().at(QGuiApplication::screens().at(0) == eerste ? 1 : 0);
        EXPECT_EQ(keuze->currentText(), schermOmschrijving(*eerste)) << "the primary screen at first";
        const int gekozen = keuze->findText(schermOmschrijving(*ander));
        EXPECT_TRUE(keuze->findText(QStringLiteral("Laptop (1366 x 768)")) >= 0
                    && keuze->findText(QStringLiteral("Beamer (1920 x 1080)")) >= 0);
        ASSERT_GE(gekozen, 0);
        keuze->setCurrentIndex(gekozen);
        form.okGeklikt();
        QCoreApplication::processEvents();
        EXPECT_EQ(Voorkeuren::lees().beeldscherm, ander->name());
        EXPECT_EQ(weergave.podium()->geometry(), ander->geometry());
    }
}
