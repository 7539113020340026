// The six dialogs as the operator sees them: places in twips, texts, fonts and colours read
// from the live widgets, the settings of every caption button, the colours the dialogs
// really paint, and the title, buttons and icon of their messages. What the tests of each
// dialog already check (titles, outer sizes, most places) is not repeated here.

#include "support/TestOmgeving.h"

#include "core/quiz/ScoreLijst.h"
#include "print/Printers.h"
#include "ui/dialogen/AboutForm.h"
#include "ui/afdrukken/AfdrukForm.h"
#include "ui/dialogen/ConfigForm.h"
#include "ui/editor/EditForm.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/ScoreForm.h"
#include "ui/dialogen/SoortForm.h"
#include "ui/toolkit/Twips.h"
#include "widgets/VistaButton.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <utility>

using namespace ui;

namespace {

enum class Venster { Soort, Score, Edit, Afdruk, Config, About };

const char *naamVan(Venster venster)
{
    switch (venster) {
    case Venster::Soort: return "SoortForm";
    case Venster::Score: return "ScoreForm";
    case Venster::Edit: return "EditForm";
    case Venster::Afdruk: return "AfdrukForm";
    case Venster::Config: return "ConfigForm";
    case Venster::About: return "AboutForm";
    }
    return "";
}

// One installed printer, so the print dialog never asks the system.
class EenPrinter : public print::Printers
{
public:
    QStringList namen() const override { return {QStringLiteral("Laser")}; }
    QString standaard() const override { return QStringLiteral("Laser"); }
    std::unique_ptr<print::DocumentTarget> open(const QString &) override { return nullptr; }
};

struct DialoogExactheid : ::testing::Test {
    TestOmgeving test;
    std::unique_ptr<Main> main;
    EenPrinter printers;
    print::Printerkeuze keuze{printers};
    Afdrukmiddelen middelen{keuze, [](QWidget *, const QString &) { return QString(); }};

    void SetUp() override
    {
        const QDir data(test.omgeving.dataMap());
        const std::pair<const char *, const char *> lijsten[] = {{"Woord-2.lst", "AB\r\nOP\r\n"},
                                                                 {"Woord-3.lst", "KAT\r\n"}};
        for (const auto &[naam, inhoud] : lijsten) {
            QFile bestand(data.filePath(QLatin1String(naam)));
            ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
            bestand.write(inhoud);
        }
        main = std::make_unique<Main>(test.omgeving, QSize(1280, 800));
        test.dialogen.meldingen.clear();
    }
    void TearDown() override
    {
        test.dialogen.antwoorden = {Antwoord::Ja};
        main->close();
    }

    std::unique_ptr<QDialog> open(Venster venster)
    {
        switch (venster) {
        case Venster::Soort: return std::make_unique<SoortForm>(*main);
        case Venster::Score: return std::make_unique<ScoreForm>(*main);
        case Venster::Edit: return std::make_unique<EditForm>(*main);
        case Venster::Afdruk: return std::make_unique<AfdrukForm>(*main, middelen);
        case Venster::Config: return std::make_unique<ConfigForm>(*main);
        case Venster::About: return std::make_unique<AboutForm>(*main);
        }
        return nullptr;
    }
};

// The named control of a dialog; the dialog itself for an empty name.
QWidget *control(QDialog &form, const char *naam)
{
    if (*naam == '\0')
        return &form;
    return form.findChild<QWidget *>(QString::fromLatin1(naam));
}

// A layout font's size in pixels at 96 dots per inch.
int pixels(double points) { return int(std::lround(points * 96.0 / 72.0)); }

QString tekstVan(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *knop = qobject_cast<widgets::VistaButton *>(widget))
        return knop->caption();
    return {};
}

} // namespace

// Controls whose place, text or colour no other test checks. Places are the dialog's
// twips (-1: sized to the control's own text); colours are the text colour (voor) and the
// colour of the area behind it (achter); an invalid colour means none is fixed.
TEST_F(DialoogExactheid, ControlsStandWhereTheLayoutSaysWithTheirTextAndColours)
{
    const QColor geen;
    const QColor donkergrijs(64, 64, 64);
    const struct {
        Venster venster;
        const char *naam;
        int left, top, width, height;
        const char *tekst; // nullptr: no text of its own
        QColor voor, achter;
        bool doorzichtig;
    } controls[] = {
        {Venster::Soort, "Label1", 180, 210, 2520, 2520, "", geen, QColor(200, 200, 200), false},
        {Venster::Soort, "Label2", 3030, 300, -1, -1, "Maak keuze Bingo of Quiz", geen, geen, true},
        {Venster::Soort, "Frame1", 3000, 510, 1920, 930, nullptr, geen, QColor(220, 220, 190), false},
        {Venster::Config, "Label1", 6840, 285, -1, -1, "Reclametekst", donkergrijs, geen, true},
        {Venster::Config, "Label2", 195, 585, -1, -1, "Zichtbaar onder de menuknoppen en onderaan de Bingokaarten.",
         donkergrijs, geen, true},
        {Venster::Config, "Image1", 6000, 900, 1500, 1500, nullptr, geen, geen, true},
        {Venster::Config, "Label3", 180, 1020, 2250, 1050, "", geen, QColor(0, 0, 0), false},
        {Venster::Config, "Label5", 180, 2100, -1, -1, "Kleur van de getrokken Letters", donkergrijs, geen, true},
        {Venster::Config, "Label6", 1140, 2640, -1, -1, "Aantal seconden bij Woorden Quiz", donkergrijs, geen, true},
        {Venster::Afdruk, "Check1", 1260, 2850, 1800, 300, nullptr, donkergrijs, QColor(220, 220, 190), false},
        {Venster::About, "Label1", 2250, 300, 3900, 1800, nullptr, donkergrijs, geen, true},
    };
    for (const auto &c : controls) {
        SCOPED_TRACE(std::string(naamVan(c.venster)) + " " + c.naam);
        const std::unique_ptr<QDialog> form = open(c.venster);
        QWidget *widget = control(*form, c.naam);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->mapTo(form.get(), QPoint(0, 0)), QPoint(c.left / TwipsPerPixel, c.top / TwipsPerPixel));
        if (c.width >= 0) {
            EXPECT_EQ(widget->size(), QSize(c.width / TwipsPerPixel, c.height / TwipsPerPixel));
        } else {
            EXPECT_EQ(widget->size(), widget->sizeHint()); // sized to its text
        }
        if (c.tekst) {
            EXPECT_EQ(tekstVan(widget), QString::fromUtf8(c.tekst));
        }
        if (c.voor.isValid()) {
            EXPECT_EQ(widget->palette().color(widget->foregroundRole()), c.voor);
        }
        if (c.achter.isValid()) {
            EXPECT_TRUE(widget->autoFillBackground());
            EXPECT_EQ(widget->palette().color(widget->backgroundRole()), c.achter);
        }
        if (c.doorzichtig) {
            EXPECT_FALSE(widget->autoFillBackground());
        }
    }

    // The gear picture is 100 x 100 pixels and fills its place.
    const std::unique_ptr<QDialog> config = open(Venster::Config);
    const auto *tandwiel = config->findChild<QLabel *>(QStringLiteral("Image1"));
    ASSERT_NE(tandwiel, nullptr);
    EXPECT_EQ(tandwiel->pixmap().size(), QSize(100, 100));
}

// Fonts: the dialog's own (an empty name) and those of its texts; sizes in points.
TEST_F(DialoogExactheid, TextsUseTheirFixedFonts)
{
    const struct {
        Venster venster;
        const char *naam;
        const char *familie;
        double punten;
        bool vet, cursief;
    } fonts[] = {
        {Venster::Afdruk, "", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Label1", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Label4", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Label9", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Label5", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Label10", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Label11", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Label12", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Label14", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Label15", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Label6", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Label8", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Check1", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Combo2", "Arial", 8.25, false, false},
        {Venster::Afdruk, "Combo1", "Arial", 9.75, false, false},
        {Venster::Afdruk, "Text1", "Arial", 8.25, false, false},
        {Venster::Config, "", "Arial", 8.25, false, false},
        {Venster::Config, "Text1", "Arial", 8.25, false, false},
        {Venster::Config, "Label1", "Arial", 8.25, false, false},
        {Venster::Config, "Label2", "Arial", 8.25, false, false},
        {Venster::Config, "KleurLabel0", "Arial", 8.25, true, false},
        {Venster::Config, "KleurLabel1", "Arial", 8.25, true, false},
        {Venster::Config, "KleurLabel2", "Arial", 8.25, true, false},
        {Venster::Config, "Label5", "Arial", 8.25, false, false},
        {Venster::Config, "Combo1", "Arial", 8.25, false, false},
        {Venster::Config, "Label6", "Arial", 8.25, false, false},
        {Venster::About, "Label1", "Arial", 9, false, true},
    };
    for (const auto &f : fonts) {
        SCOPED_TRACE(std::string(naamVan(f.venster)) + " " + f.naam);
        const std::unique_ptr<QDialog> form = open(f.venster);
        QWidget *widget = control(*form, f.naam);
        ASSERT_NE(widget, nullptr);
        const QFont font = widget->font();
        EXPECT_EQ(font.family(), QString::fromLatin1(f.familie));
        EXPECT_EQ(font.pixelSize(), pixels(f.punten));
        EXPECT_EQ(font.bold(), f.vet);
        EXPECT_EQ(font.italic(), f.cursief);
    }
}

// Every caption button carries the button's standard settings on a white face.
TEST_F(DialoogExactheid, CaptionButtonsCarryTheStandardButtonSettings)
{
    const struct {
        Venster venster;
        const char *naam;
    } knoppen[] = {
        {Venster::Soort, "CancelKnop"},     {Venster::Soort, "OkKnop"},  {Venster::Score, "DeleteKnop"},
        {Venster::Score, "DeleteAllKnop"},  {Venster::Score, "OkKnop"},  {Venster::Edit, "AddKnop"},
        {Venster::Edit, "DelKnop"},         {Venster::Edit, "CancelKnop"}, {Venster::Edit, "SaveKnop"},
        {Venster::Afdruk, "ExitKnop"},      {Venster::Config, "CancelKnop"}, {Venster::Config, "OkKnop"},
        {Venster::About, "CancelKnop"},
    };
    for (const auto &k : knoppen) {
        SCOPED_TRACE(std::string(naamVan(k.venster)) + " " + k.naam);
        const std::unique_ptr<QDialog> form = open(k.venster);
        const auto *knop = form->findChild<widgets::VistaButton *>(QString::fromLatin1(k.naam));
        ASSERT_NE(knop, nullptr);
        EXPECT_EQ(knop->pictures(), 2);
        EXPECT_TRUE(knop->useMaskColor());
        EXPECT_EQ(knop->maskColor(), QColor(0, 255, 0));
        EXPECT_EQ(knop->backColor(), QColor(255, 255, 255));
        EXPECT_EQ(knop->foreColor(), QColor(0, 0, 0));
        EXPECT_EQ(knop->pictureOffset(), 0);
        EXPECT_TRUE(knop->picture().isNull());
        EXPECT_EQ(knop->font().family(), QStringLiteral("Arial"));
        EXPECT_EQ(knop->font().pixelSize(), pixels(8.25));
        EXPECT_FALSE(knop->font().bold());
        EXPECT_FALSE(knop->caption().isEmpty());
    }
}

// What the dialogs really paint at a point (twips of the dialog): the coloured areas,
// list and entry backgrounds, away from any text.
TEST_F(DialoogExactheid, TheDialogsPaintTheirFixedColours)
{
    const struct {
        Venster venster;
        int x, y; // twips
        QColor kleur;
        const char *wat;
    } punten[] = {
        {Venster::Soort, 195, 225, QColor(200, 200, 200), "light frame round the preview"},
        {Venster::Soort, 3045, 1350, QColor(220, 220, 190), "inside Frame1, below the options"},
        {Venster::Score, 1800, 4500, QColor(150, 230, 180), "List1, below the (empty) list"},
        {Venster::Edit, 1500, 3750, QColor(0, 0, 40), "List1, below the words"},
        {Venster::Edit, 2400, 5355, QColor(200, 240, 200), "Text1"},
        {Venster::Afdruk, 255, 255, QColor(200, 0, 0), "red square"},
        {Venster::Afdruk, 255, 1275, QColor(0, 200, 0), "green square"},
        {Venster::Afdruk, 255, 2295, QColor(0, 0, 200), "blue square"},
        {Venster::Afdruk, 255, 3315, QColor(200, 0, 200), "magenta square"},
        {Venster::Afdruk, 3750, 4800, QColor(230, 230, 170), "Text1, right of the text"},
        {Venster::Afdruk, 4950, 675, QColor(210, 210, 210), "Combo2, right of the printer name"},
        {Venster::Config, 6000, 390, QColor(0, 0, 30), "Text1, right of the text"},
        {Venster::Config, 180, 1020, QColor(0, 0, 0), "Label3 round the sliders"},
        {Venster::Config, 195, 2055, QColor(0, 0, 0), "Label3 below the sliders"},
        {Venster::About, 2250, 2250, QColor(190, 200, 230), "below the about text"},
        {Venster::Afdruk, 4500, 4200, QColor(220, 220, 190), "background"},
        {Venster::Config, 4500, 2250, QColor(220, 220, 190), "background"},
        {Venster::Config, 630, 2640, QColor(0, 0, 40), "Combo1, right of the seconds"},
        {Venster::Afdruk, 4170, 1260, QColor(200, 200, 250), "Combo1, right of the count"},
        {Venster::Edit, 2250, 375, QColor(0, 0, 40), "Combo1, right of the list name"},
        {Venster::Edit, 30, 6300, QColor(230, 230, 190), "background"},
    };
    for (const auto &p : punten) {
        SCOPED_TRACE(std::string(naamVan(p.venster)) + " " + p.wat);
        const std::unique_ptr<QDialog> form = open(p.venster);
        const QImage beeld = form->grab().toImage();
        EXPECT_EQ(beeld.pixelColor(p.x / TwipsPerPixel, p.y / TwipsPerPixel), p.kleur);
    }
}

// The drop-down list of a combo box shows the colours of its box; an invalid colour means
// none is fixed.
TEST_F(DialoogExactheid, DropDownListsShowTheColoursOfTheirBox)
{
    const struct {
        Venster venster;
        const char *naam;
        QColor achter, voor;
    } combos[] = {
        {Venster::Edit, "Combo1", QColor(0, 0, 40), QColor(240, 240, 240)},
        {Venster::Config, "Combo1", QColor(0, 0, 40), QColor(255, 255, 255)},
        {Venster::Afdruk, "Combo1", QColor(200, 200, 250), QColor()},
        {Venster::Afdruk, "Combo2", QColor(210, 210, 210), QColor()},
    };
    for (const auto &c : combos) {
        SCOPED_TRACE(std::string(naamVan(c.venster)) + " " + c.naam);
        const std::unique_ptr<QDialog> form = open(c.venster);
        const auto *combo = form->findChild<QComboBox *>(QString::fromLatin1(c.naam));
        ASSERT_NE(combo, nullptr);
        QAbstractItemView *lijst = combo->view();
        lijst->ensurePolished();
        EXPECT_EQ(lijst->palette().color(QPalette::Base), c.achter);
        if (c.voor.isValid()) {
            EXPECT_EQ(lijst->palette().color(QPalette::Text), c.voor);
        }
    }
}

// The title, buttons and icon of the messages whose text other tests check without them.
// Each case opens its dialog, does what leads to the message and answers Ja to questions;
// the message checked is the last one shown.
TEST_F(DialoogExactheid, MessagesHaveTheirTitleButtonsAndIcon)
{
    const struct {
        const char *geval;
        std::function<void()> doe;
        const char *tekst;
        const char *titel;
        Knoppen knoppen;
        Icoon icoon;
    } gevallen[] = {
        {"Del without a choice",
         [this] {
             ScoreForm form(*main);
             emit form.deleteKnop()->Click();
         },
         "Eerst een naam selecteren...", " Foutje", Knoppen::Ok, Icoon::Geen},
        {"Del All",
         [this] {
             ScoreForm form(*main);
             emit form.deleteAllKnop()->Click();
         },
         "Wilt u alle 2 namen verwijderen?", " Delete All", Knoppen::JaNee, Icoon::Geen},
        {"Delete without a chosen word",
         [this] {
             EditForm form(*main);
             emit form.delKnop()->Click();
         },
         "Eerst een woord selecteren uit de lijst...", " Foutje", Knoppen::Ok, Icoon::Geen},
        {"seconds that are no number",
         [this] {
             ConfigForm form(*main);
             form.combo1()->setEditText(QStringLiteral("twee minuten"));
             emit form.okKnop()->Click();
         },
         nullptr, "Instellingen", Knoppen::Ok, Icoon::Geen},
    };
    for (const auto &g : gevallen) {
        SCOPED_TRACE(g.geval);
        main->scoreLijst().removeAll();
        main->scoreLijst().VoegScoreToe(7, "Een");
        main->scoreLijst().VoegScoreToe(45, "Drie");
        test.dialogen.meldingen.clear();
        test.dialogen.antwoorden = {Antwoord::Ja, Antwoord::Ja};
        g.doe();
        ASSERT_FALSE(test.dialogen.meldingen.empty());
        const ScriptedDialogen::Melding &melding = test.dialogen.meldingen.back();
        EXPECT_EQ(melding.tekst, g.tekst ? QString::fromUtf8(g.tekst) : SecondenMelding);
        EXPECT_EQ(melding.titel, QString::fromUtf8(g.titel));
        EXPECT_EQ(melding.knoppen, g.knoppen);
        EXPECT_EQ(melding.icoon, g.icoon);
    }
}

namespace {

// Room the text of a label, option or check box needs, in pixels; empty for other controls
// and for a wrapping label (the about text wraps on purpose).
QSize tekstRuimte(QWidget *widget)
{
    if (const auto *label = qobject_cast<QLabel *>(widget))
        return label->text().isEmpty() || label->wordWrap() ? QSize() : label->sizeHint();
    const auto *knop = qobject_cast<QAbstractButton *>(widget);
    if (!knop || knop->text().isEmpty())
        return {};
    // Indicator, spacing and text; the style's own size hint also keeps room for a focus
    // frame round the text, which the fixed sizes do not leave.
    const bool optie = qobject_cast<const QRadioButton *>(knop) != nullptr;
    const QStyle *stijl = knop->style();
    const int indicator = stijl->pixelMetric(optie ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth);
    const int ruimte = stijl->pixelMetric(optie ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing);
    const QFontMetrics maat(knop->font());
    return {indicator + ruimte + maat.horizontalAdvance(knop->text()), maat.height()};
}

} // namespace

// Every control lies inside its dialog, and no caption is cut off.
TEST_F(DialoogExactheid, EveryControlFitsAndNoCaptionIsCutOff)
{
    for (Venster venster : {Venster::Soort, Venster::Score, Venster::Edit, Venster::Afdruk, Venster::Config,
                            Venster::About}) {
        const std::unique_ptr<QDialog> form = open(venster);
        for (QWidget *widget : form->findChildren<QWidget *>()) {
            if (widget->isWindow() || widget->isHidden() || widget->objectName().isEmpty() ||
                widget->objectName().startsWith(QLatin1String("qt_")))
                continue;
            SCOPED_TRACE(std::string(naamVan(venster)) + " " + widget->objectName().toStdString());
            const QRect plek(widget->mapTo(form.get(), QPoint(0, 0)), widget->size());
            EXPECT_TRUE(form->rect().contains(plek)) << plek.x() << "," << plek.y() << " " << plek.width() << "x"
                                                     << plek.height();
            const QSize nodig = tekstRuimte(widget);
            if (nodig.isValid()) {
                EXPECT_GE(widget->width(), nodig.width());
                EXPECT_GE(widget->height(), nodig.height());
            }
        }
    }
}
