#include "support/TestOmgeving.h"

#include "ui/bingo/BingoBord.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/dialogen/SoortForm.h"
#include "ui/toolkit/TekenPaneel.h"
#include "widgets/VistaButton.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace ui;

namespace {

const QString Bronmap = QStringLiteral(ALFABO_SOURCE_DIR "/assets/Data/");

struct SoortFormFixture : ::testing::Test {
    TestOmgeving test;
    std::unique_ptr<Main> main;

    void SetUp() override
    {
        for (const char *naam : {"rad-1.jpg", "rad-2.jpg"})
            ASSERT_TRUE(QFile::copy(Bronmap + QLatin1String(naam), wiel(naam)));
        main = std::make_unique<Main>(test.omgeving, QSize(1280, 800));
    }
    void TearDown() override
    {
        test.dialogen.antwoorden = {Antwoord::Ja};
        main->close();
    }

    QString wiel(const char *naam) const { return test.omgeving.dataMap() + QLatin1Char('/') + QLatin1String(naam); }
    void trek() { emit main->pic()->startKnop()->Click(); }

    // Opens the dialog, picks a game type and confirms it; tells how the dialog closed.
    int kies(int index)
    {
        SoortForm form(*main);
        form.option1(index)->click();
        emit form.okKnop()->Click();
        return form.result();
    }

    // What the screens and titles of the main window show.
    struct Beeld {
        int spelSoort;
        bool bord, ronde, beurt, quiz;
        QString titel0, titel1;
        QImage wiel;
        friend bool operator==(const Beeld &, const Beeld &) = default;
    };
    Beeld beeld() const
    {
        return {test.algemeen.SpelSoort,
                !main->pic()->isHidden(),
                !main->rondeLabel()->isHidden(),
                !main->beurtLabel()->isHidden(),
                !main->pic2()->isHidden(),
                main->logoLabel(0)->text(),
                main->logoLabel(1)->text(),
                main->radPic()->picture()};
    }
};

// The preview as the dialog's picture box should show it: the small wheel on the light frame.
QImage verwachtVoorbeeld(int index)
{
    QImage beeld(160, 160, QImage::Format_RGB32);
    beeld.fill(QColor(200, 200, 200));
    QPainter painter(&beeld);
    painter.drawImage(QRect(0, 0, 160, 160), SoortForm::voorbeeld(index));
    return beeld;
}

QImage voorbeeldVan(const SoortForm &form) { return form.pic()->surface().copy(0, 0, 160, 160); }

} // namespace

TEST_F(SoortFormFixture, OpensWithTheCurrentGameSelectedAndItsWheelPreviewed)
{
    ASSERT_NE(verwachtVoorbeeld(0), verwachtVoorbeeld(1));
    for (int spelSoort : {1, 2}) {
        if (spelSoort == 2) {
            ASSERT_EQ(kies(1), QDialog::Accepted);
        }
        SoortForm form(*main);
        const int index = spelSoort - 1;
        EXPECT_TRUE(form.option1(index)->isChecked()) << spelSoort;
        EXPECT_FALSE(form.option1(1 - index)->isChecked()) << spelSoort;
        EXPECT_EQ(voorbeeldVan(form), verwachtVoorbeeld(index)) << spelSoort;

        // Clicking the other option previews the other wheel, and the pair stays exclusive.
        form.option1(1 - index)->click();
        EXPECT_FALSE(form.option1(index)->isChecked());
        EXPECT_EQ(voorbeeldVan(form), verwachtVoorbeeld(1 - index)) << spelSoort;
    }
}

TEST_F(SoortFormFixture, LayoutAndCaptions)
{
    SoortForm form(*main);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Soort Bingo"));
    EXPECT_EQ(form.size(), QSize(350 - 6, 224 - 26));
    EXPECT_EQ(form.pic()->geometry(), QRect(16, 18, 160, 160));
    EXPECT_EQ(form.option1(0)->text(), QStringLiteral("Alfabo Lotto"));
    EXPECT_EQ(form.option1(1)->text(), QStringLiteral("Woorden Quiz"));
    // The options stand in the frame, at their places in the dialog.
    EXPECT_EQ(QRect(form.option1(0)->mapTo(&form, QPoint(0, 0)), form.option1(0)->size()), QRect(210, 50, 100, 20));
    EXPECT_EQ(QRect(form.option1(1)->mapTo(&form, QPoint(0, 0)), form.option1(1)->size()), QRect(210, 70, 100, 20));
    // Beside its caption an option shows its own colour, the dialog's.
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(form.option1(i)->grab().toImage().pixelColor(97, 10), QColor(220, 220, 190)) << i;
    EXPECT_EQ(form.grab().toImage().pixelColor(100, 190), QColor(220, 220, 190));
    EXPECT_EQ(form.cancelKnop()->caption(), QStringLiteral("Annuleren"));
    EXPECT_EQ(form.cancelKnop()->geometry(), QRect(200, 156, 66, 24));
    EXPECT_EQ(form.okKnop()->caption(), QStringLiteral("Ok"));
    EXPECT_EQ(form.okKnop()->geometry(), QRect(268, 156, 60, 24));
}

TEST_F(SoortFormFixture, TheQuizReplacesTheBoardAndBingoBringsBackTheLettersDrawnBefore)
{
    trek();
    trek();
    const QImage bord = main->pic()->surface();
    const QString beurt = main->beurtLabel()->text();

    ASSERT_EQ(kies(1), QDialog::Accepted);
    EXPECT_EQ(beeld(), (Beeld{2, false, false, false, true, QStringLiteral("Woorden Quiz"), QStringLiteral("Woorden Quiz"),
                              QImage(wiel("rad-2.jpg"))}));
    // The title labels fit their new text.
    EXPECT_EQ(main->logoLabel(0)->size(), main->logoLabel(0)->sizeHint());

    ASSERT_EQ(kies(0), QDialog::Accepted);
    EXPECT_EQ(beeld(), (Beeld{1, true, true, true, false, QStringLiteral("Alfabo Lotto"), QStringLiteral("Alfabo Lotto"),
                              QImage(wiel("rad-1.jpg"))}));
    EXPECT_EQ(main->pic()->surface(), bord);
    EXPECT_EQ(main->beurtLabel()->text(), beurt);
    int getrokken = 0;
    for (int i = 1; i <= 26; ++i)
        getrokken += test.algemeen.Getrokken[i];
    EXPECT_EQ(getrokken, 2);
    EXPECT_EQ(test.algemeen.LetterTeller, 2);
    EXPECT_TRUE(test.dialogen.meldingen.empty());
}

TEST_F(SoortFormFixture, CancelChangesNothingAlsoAfterTheOtherOptionWasClicked)
{
    for (int spelSoort : {1, 2}) {
        if (spelSoort == 2) {
            ASSERT_EQ(kies(1), QDialog::Accepted);
        }
        const Beeld voor = beeld();
        SoortForm form(*main);
        QSignalSpy gesloten(&form, &QDialog::rejected);
        form.option1(2 - spelSoort)->click();
        emit form.cancelKnop()->Click();
        EXPECT_EQ(gesloten.count(), 1) << spelSoort;
        EXPECT_EQ(beeld(), voor) << spelSoort;
    }
}

TEST_F(SoortFormFixture, AWheelPictureThatCannotBeLoadedIsReportedAndChangesNothing)
{
    const struct {
        const char *geval;
        QByteArray inhoud; // empty: the file is missing
    } gevallen[] = {
        {"ontbreekt", {}},
        {"geen plaatje", QByteArray("dit is geen jpeg")},
    };
    for (const auto &geval : gevallen) {
        QFile::remove(wiel("rad-2.jpg"));
        if (!geval.inhoud.isEmpty()) {
            QFile bestand(wiel("rad-2.jpg"));
            ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
            bestand.write(geval.inhoud);
        }
        test.dialogen.meldingen.clear();
        const Beeld voor = beeld();

        EXPECT_EQ(kies(1), QDialog::Rejected) << geval.geval;
        ASSERT_EQ(test.dialogen.meldingen.size(), 1u) << geval.geval;
        const ScriptedDialogen::Melding &melding = test.dialogen.meldingen[0];
        EXPECT_EQ(melding.tekst, QStringLiteral("Kan gekozen afbeelding niet laden!"));
        EXPECT_EQ(melding.titel, QStringLiteral("Error"));
        EXPECT_EQ(melding.knoppen, Knoppen::Ok);
        EXPECT_EQ(melding.icoon, Icoon::Kritiek);
        EXPECT_EQ(beeld(), voor) << geval.geval;
        EXPECT_EQ(test.algemeen.SpelSoort, 1);
    }
}
