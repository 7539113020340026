#include "support/MetHoofdvenster.h"

#include "core/bestanden/Instellingen.h"
#include "ui/dialogen/ConfigForm.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>

using namespace ui;

namespace {

QByteArray leesBestand(const QString &pad)
{
    QFile bestand(pad);
    bestand.open(QIODevice::ReadOnly);
    return bestand.readAll();
}

struct ConfigFixture : MetHoofdvenster {
    core::Kleur &kleur() { return test.algemeen.LetterKleur; }
};

// The colour the swatch really paints.
QColor staal(ConfigForm &form) { return form.label4()->grab().toImage().pixelColor(5, 5); }

} // namespace

TEST_F(ConfigFixture, OpensWithTheStoredColourInSlidersLabelsAndSwatch)
{
    const core::Kleur kleuren[] = {{255, 0, 0}, {0, 0, 0}, {150, 150, 150}, {1, 254, 128}};
    for (const core::Kleur &k : kleuren) {
        kleur() = k;
        ConfigForm form(*main);
        const int waarden[3] = {k.rood, k.groen, k.blauw};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(form.hScroll1(i)->value(), waarden[i]) << i;
            EXPECT_EQ(form.kleurLabel(i)->text(), QString::number(waarden[i])) << i;
        }
        EXPECT_EQ(staal(form), QColor(k.rood, k.groen, k.blauw));
        // Showing the colour is no change of it.
        EXPECT_EQ(kleur(), k);
    }
}

TEST_F(ConfigFixture, SlidersStoreTheirComponentAtOnceEvenWhileDraggedAndCancelKeepsThem)
{
    ConfigForm form(*main);
    QScrollBar *groen = form.hScroll1(1);
    EXPECT_EQ(groen->minimum(), 0);
    EXPECT_EQ(groen->maximum(), 255);
    EXPECT_EQ(groen->singleStep(), 1);
    EXPECT_EQ(groen->pageStep(), 1);

    groen->setSliderDown(true);
    groen->setSliderPosition(40);
    EXPECT_EQ(kleur().groen, 40);
    EXPECT_EQ(form.kleurLabel(1)->text(), QStringLiteral("40"));
    groen->setSliderPosition(100);
    groen->setSliderDown(false);
    EXPECT_EQ(kleur(), (core::Kleur{150, 100, 150}));
    EXPECT_EQ(form.kleurLabel(1)->text(), QStringLiteral("100"));
    EXPECT_EQ(staal(form), QColor(150, 100, 150));

    // A slider keeps to 0..255 whatever is asked of it.
    form.hScroll1(2)->setValue(300);
    EXPECT_EQ(kleur().blauw, 255);
    form.hScroll1(0)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(kleur().rood, 149);

    form.text1()->setText(QStringLiteral("Niet bewaren"));
    form.combo1()->setEditText(QStringLiteral("300"));
    QSignalSpy afgewezen(&form, &QDialog::rejected);
    emit form.cancelKnop()->Click();
    EXPECT_EQ(afgewezen.count(), 1);
    EXPECT_EQ(kleur(), (core::Kleur{149, 100, 255}));
    EXPECT_EQ(test.algemeen.ReclameTekst, "www.alfabolotto.nl");
    EXPECT_EQ(test.algemeen.QuizSeconden, 150);
    EXPECT_EQ(main->label2()->text(), QStringLiteral("www.alfabolotto.nl"));
}

TEST_F(ConfigFixture, TheSecondsListHoldsEightyOneEntriesAndTheEditTextIsTheStoredValue)
{
    test.algemeen.QuizSeconden = 135;
    ConfigForm form(*main);
    QComboBox *combo = form.combo1();
    EXPECT_TRUE(combo->isEditable());
    ASSERT_EQ(combo->count(), 81);
    for (int i = 0; i < 81; ++i)
        EXPECT_EQ(combo->itemText(i), QString::number(100 + 10 * i));
    EXPECT_EQ(combo->currentText(), QStringLiteral("135"));

    // Typing is taken as typed: no completion to a list entry, Enter adds nothing.
    combo->clearEditText();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("15"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("15"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(combo->count(), 81);
    EXPECT_EQ(combo->currentText(), QStringLiteral("15"));
}

TEST_F(ConfigFixture, OkStoresTheSecondsRoundingFractionsHalfToEven)
{
    const struct {
        const char *tekst;
        std::int32_t seconden;
    } gevallen[] = {
        {"135", 135}, {"900", 900}, {"150,5", 150}, {"150.5", 150}, {"151,5", 152}, {"151.5", 152},
        {"149.6", 150}, {" 200 ", 200}, {"0", 0}, {"-30", -30}, {"2147483647", std::numeric_limits<std::int32_t>::max()},
    };
    for (const auto &g : gevallen) {
        test.algemeen.QuizSeconden = 150;
        ConfigForm form(*main);
        form.combo1()->setEditText(QString::fromUtf8(g.tekst));
        QSignalSpy aanvaard(&form, &QDialog::accepted);
        EXPECT_TRUE(form.okGeklikt()) << g.tekst;
        EXPECT_EQ(aanvaard.count(), 1) << g.tekst;
        EXPECT_EQ(test.algemeen.QuizSeconden, g.seconden) << g.tekst;
    }
    EXPECT_TRUE(test.dialogen.meldingen.empty());
}

TEST_F(ConfigFixture, SecondsThatAreNoWholeNumberAreRefusedAndNothingIsStored)
{
    const char *gevallen[] = {"", "   ", "abc", "12 3", "1e3", "15.0.0", "9999999999", "2147483648", "-2147483649"};
    for (const char *tekst : gevallen) {
        test.dialogen.meldingen.clear();
        ConfigForm form(*main);
        form.text1()->setText(QStringLiteral("Nieuwe tekst"));
        form.combo1()->setEditText(QString::fromUtf8(tekst));
        QSignalSpy gesloten(&form, &QDialog::finished);

        EXPECT_FALSE(form.okGeklikt()) << tekst;
        EXPECT_EQ(gesloten.count(), 0) << tekst;
        ASSERT_EQ(test.dialogen.meldingen.size(), 1u) << tekst;
        EXPECT_EQ(test.dialogen.meldingen[0].tekst, SecondenMelding);
        EXPECT_EQ(test.dialogen.meldingen[0].knoppen, Knoppen::Ok);
        EXPECT_EQ(test.dialogen.meldingen[0].icoon, Icoon::Geen);
        EXPECT_EQ(test.algemeen.QuizSeconden, 150) << tekst;
        EXPECT_EQ(test.algemeen.ReclameTekst, "www.alfabolotto.nl") << tekst;
        EXPECT_EQ(main->label2()->text(), QStringLiteral("www.alfabolotto.nl")) << tekst;
        // The typed text stays for correcting.
        EXPECT_EQ(form.combo1()->currentText(), QString::fromUtf8(tekst));

        // Corrected, the same dialog stores everything.
        form.combo1()->setEditText(QStringLiteral("240"));
        EXPECT_TRUE(form.okGeklikt()) << tekst;
        EXPECT_EQ(gesloten.count(), 1) << tekst;
        EXPECT_EQ(test.algemeen.QuizSeconden, 240);
        EXPECT_EQ(test.algemeen.ReclameTekst, "Nieuwe tekst");
        test.algemeen.QuizSeconden = 150;
        test.algemeen.ReclameTekst = "www.alfabolotto.nl";
        main->toonReclameTekst();
    }
    const std::string melding = SecondenMelding.toStdString();
    EXPECT_NE(melding.find("geheel getal"), std::string::npos);
}

TEST_F(ConfigFixture, OkStoresTheAdvertisementTextAsTypedAndShowsItOnTheMainWindow)
{
    const QString gevallen[] = {
        QString(),
        QStringLiteral("  met spaties eromheen  "),
        QStringLiteral("Met, komma's"),
        QStringLiteral("Zeg \"kaas\""),
        QStringLiteral("Caf\u00e9 \u20ac 5"),
        QString(40000, QLatin1Char('x')), // longer than a line edit takes by default
    };
    for (const QString &tekst : gevallen) {
        ConfigForm form(*main);
        EXPECT_EQ(form.text1()->text().toStdString(), test.algemeen.ReclameTekst);
        form.text1()->setText(tekst);
        EXPECT_TRUE(form.okGeklikt());
        EXPECT_EQ(test.algemeen.ReclameTekst, tekst.toStdString()) << tekst.left(30).toStdString();
        EXPECT_EQ(main->label2()->text(), tekst);
        EXPECT_EQ(main->label3()->text(), tekst);
    }
}

TEST_F(ConfigFixture, NewValuesReachTheSettingsFileOnlyAtAnOrderlyExit)
{
    const QByteArray voor = leesBestand(test.omgeving.instellingenPad());
    {
        ConfigForm form(*main);
        form.text1()->setText(QStringLiteral("Zeg \"kaas\", of niet"));
        form.hScroll1(1)->setValue(100);
        form.combo1()->setEditText(QStringLiteral("300"));
        ASSERT_TRUE(form.okGeklikt());
    }
    EXPECT_EQ(leesBestand(test.omgeving.instellingenPad()), voor);

    test.dialogen.antwoorden = {Antwoord::Nee};
    main->close();
    EXPECT_EQ(leesBestand(test.omgeving.instellingenPad()), voor);

    test.dialogen.antwoorden = {Antwoord::Ja};
    main->close();
    EXPECT_EQ(leesBestand(test.omgeving.instellingenPad()),
              QByteArray("\"Kwartelhoven Software 2017\"\r\n\"--------------------------\"\r\n"
                         "\"Zeg \"\"kaas\"\", of niet\"\r\n150,100,150\r\n300\r\n"));
    // The doubled quote reads back as one.
    core::Algemeen gelezen;
    gelezen.zetStartwaarden();
    EXPECT_TRUE(core::LaadInstellingen(gelezen, test.omgeving.instellingenPad().toStdString()));
    EXPECT_EQ(gelezen.ReclameTekst, "Zeg \"kaas\", of niet");
    EXPECT_EQ(gelezen.LetterKleur, (core::Kleur{150, 100, 150}));
    EXPECT_EQ(gelezen.QuizSeconden, 300);
}

TEST_F(ConfigFixture, LayoutColoursAndTabOrder)
{
    ConfigForm form(*main);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Instellingen"));
    EXPECT_EQ(form.size(), QSize(540 - 6, 250 - 26));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(220, 220, 190));
    EXPECT_EQ(form.text1()->geometry(), QRect(12, 16, 440, 20));
    EXPECT_EQ(form.text1()->palette().color(QPalette::Base), QColor(0, 0, 30));
    EXPECT_EQ(form.text1()->palette().color(QPalette::Text), QColor(230, 230, 230));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form.hScroll1(i)->geometry(), QRect(14, 70 + 22 * i, 146, 22)) << i;
        EXPECT_EQ(form.hScroll1(i)->orientation(), Qt::Horizontal);
        EXPECT_EQ(form.kleurLabel(i)->pos(), QPoint(202, 74 + 22 * i)) << i;
        EXPECT_TRUE(form.kleurLabel(i)->font().bold());
    }
    EXPECT_EQ(form.kleurLabel(0)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(form.kleurLabel(1)->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(form.kleurLabel(2)->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(form.label4()->geometry(), QRect(168, 68, 30, 70));
    EXPECT_EQ(form.combo1()->pos(), QPoint(12, 172));
    EXPECT_EQ(form.combo1()->width(), 60);
    EXPECT_EQ(form.combo1()->palette().color(QPalette::Base), QColor(0, 0, 40));
    EXPECT_EQ(form.combo1()->palette().color(QPalette::Text), QColor(255, 255, 255));
    EXPECT_EQ(form.cancelKnop()->caption(), QStringLiteral("Annuleren"));
    EXPECT_EQ(form.cancelKnop()->geometry(), QRect(388, 180, 66, 24));
    EXPECT_EQ(form.okKnop()->caption(), QStringLiteral("Ok"));
    EXPECT_EQ(form.okKnop()->geometry(), QRect(456, 180, 60, 24));
    for (auto *knop : {form.cancelKnop(), form.okKnop()}) {
        EXPECT_EQ(knop->backColor(), QColor(255, 255, 255));
        EXPECT_EQ(knop->pictures(), 2);
        EXPECT_TRUE(knop->picture().isNull());
    }

    // Tab order from the focus the dialog opens with.
    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), form.cancelKnop());
    const QWidget *verwacht[] = {form.okKnop(), form.text1(), form.hScroll1(0), form.hScroll1(1), form.hScroll1(2),
                                 form.combo1(), form.cancelKnop()};
    for (const QWidget *volgende : verwacht) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget *focus = QApplication::focusWidget();
        // The combo box's line edit takes the focus for the combo box.
        if (focus && focus->parentWidget() == form.combo1())
            focus = form.combo1();
        EXPECT_EQ(focus, volgende) << (focus ? focus->objectName().toStdString() : "geen");
    }
    form.hide();
}
