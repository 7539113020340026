#include "support/MetHoofdvenster.h"

#include "ui/dialogen/AboutForm.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "widgets/VistaButton.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace ui;

namespace {

struct AboutFixture : MetHoofdvenster {};

QByteArray leesBestand(const QString &pad)
{
    QFile bestand(pad);
    bestand.open(QIODevice::ReadOnly);
    return bestand.readAll();
}

} // namespace

TEST(AboutTekst, SevenLinesSeparatedByCarriageReturnAndLineFeed)
{
    const QStringList regels = aboutTekst().split(QStringLiteral("\r\n"));
    ASSERT_EQ(regels.size(), 7);
    EXPECT_FALSE(regels[0].isEmpty());
    EXPECT_FALSE(regels[1].isEmpty());
    EXPECT_EQ(regels[2], QStringLiteral("More special software and stamp collection"));
    EXPECT_EQ(regels[3], QStringLiteral("on my special website...www.alfabolotto.nl"));
    EXPECT_TRUE(regels[4].startsWith(QStringLiteral("or mail to... ")));
    EXPECT_TRUE(regels[4].contains(QLatin1Char('@')));
    EXPECT_EQ(regels[5], QString());
    EXPECT_FALSE(regels[6].isEmpty());
    // No stray line ends inside the lines.
    EXPECT_EQ(aboutTekst().count(QLatin1Char('\n')), 6);
    EXPECT_EQ(aboutTekst().count(QLatin1Char('\r')), 6);
}

TEST_F(AboutFixture, LayoutPictureAndText)
{
    AboutForm form(*main);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("About Me..."));
    EXPECT_EQ(form.size(), QSize(420 - 6, 190 - 26));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(190, 200, 230));
    EXPECT_EQ(form.image1()->geometry(), QRect(12, 14, 118, 130));
    EXPECT_EQ(form.image1()->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              QImage(QStringLiteral(":/images/about-foto.png")).convertToFormat(QImage::Format_ARGB32));

    QLabel *label = form.label1();
    EXPECT_EQ(label->geometry(), QRect(150, 20, 260, 120));
    EXPECT_EQ(label->text().split(QLatin1Char('\n')), aboutTekst().split(QStringLiteral("\r\n")));
    EXPECT_TRUE(label->font().italic());
    EXPECT_FALSE(label->font().bold());
    EXPECT_EQ(label->font().pixelSize(), 12); // 9 pt
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(64, 64, 64));
    EXPECT_TRUE(label->wordWrap());

    EXPECT_EQ(form.cancelKnop()->caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(form.cancelKnop()->geometry(), QRect(334, 126, 66, 24));
    EXPECT_EQ(form.cancelKnop()->backColor(), QColor(255, 255, 255));
}

TEST_F(AboutFixture, LongLinesWrapInsideTheLabelAndWhatDoesNotFitIsCutOff)
{
    AboutForm form(*main);
    QLabel *label = form.label1();
    // The first line is wider than the label, so it wraps; the whole text still fits.
    const QString eerste = aboutTekst().split(QStringLiteral("\r\n")).first();
    EXPECT_GT(QFontMetrics(label->font()).horizontalAdvance(eerste), label->width());
    EXPECT_LE(label->heightForWidth(label->width()), label->height());

    // A text far too long for the label keeps the label's size: the rest is cut off.
    label->setText(QString(60, QLatin1Char('x')).append(QStringLiteral("\nregel")).repeated(12));
    EXPECT_GT(label->heightForWidth(label->width()), label->height());
    EXPECT_EQ(label->size(), QSize(260, 120));
}

TEST_F(AboutFixture, CancelClosesAndChangesNoSetting)
{
    const core::Algemeen voor = test.algemeen;
    const QByteArray bestand = leesBestand(test.omgeving.instellingenPad());
    AboutForm form(*main);
    form.show();
    QSignalSpy afgewezen(&form, &QDialog::rejected);
    emit form.cancelKnop()->Click();
    EXPECT_EQ(afgewezen.count(), 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(test.algemeen.ReclameTekst, voor.ReclameTekst);
    EXPECT_EQ(test.algemeen.LetterKleur, voor.LetterKleur);
    EXPECT_EQ(test.algemeen.QuizSeconden, voor.QuizSeconden);
    EXPECT_EQ(test.algemeen.SpelSoort, voor.SpelSoort);
    EXPECT_EQ(leesBestand(test.omgeving.instellingenPad()), bestand);
}
