// The windows with input far beyond the usual: a word list of a million lines, a player
// name and an advertisement text of 100,000 characters, characters that the files cannot
// hold. Nothing may crash or be lost; how quickly it goes is measured in bench_groot.

#include "support/GroteWoordenlijst.h"
#include "support/TestOmgeving.h"

#include "core/bestanden/Instellingen.h"
#include "core/quiz/WoordZoeken.h"
#include "ui/dialogen/ConfigForm.h"
#include "ui/editor/EditForm.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/ScoreForm.h"
#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QStringListModel>
#include <gtest/gtest.h>

using namespace ui;

namespace {

constexpr int MiljoenWoorden = 1000000;

struct GroteInvoer : ::testing::Test {
    TestOmgeving test;
    std::unique_ptr<Main> main;

    void maakMain()
    {
        main = std::make_unique<Main>(test.omgeving, QSize(1280, 800));
        test.dialogen.meldingen.clear();
    }
    void TearDown() override
    {
        if (!main)
            return;
        test.dialogen.antwoorden = {Antwoord::Ja};
        main->close();
    }
    QString data(const QString &naam) const { return QDir(test.omgeving.dataMap()).filePath(naam); }
    void schrijf(const QString &pad, const QByteArray &inhoud)
    {
        QFile bestand(pad);
        ASSERT_TRUE(bestand.open(QIODevice::WriteOnly | QIODevice::Truncate));
        bestand.write(inhoud);
    }
};

QString klein(const std::string &woord) { return QString::fromStdString(woord).toLower(); }

} // namespace

TEST_F(GroteInvoer, TheEditorOpensAListOfAMillionWordsAndTheQuizFindsTheAddedWord)
{
    schrijf(data(QStringLiteral("Woord-2.lst")), "AB\r\n");
    schrijf(data(QStringLiteral("Woord-9.lst")), QByteArray::fromStdString(groteWoordenlijst(MiljoenWoorden)));
    maakMain();

    EditForm form(*main);
    ASSERT_EQ(form.combo1()->currentText(), QStringLiteral("Woord-9.lst"));
    const QStringListModel *model = form.woordenModel();
    ASSERT_EQ(model->rowCount(), MiljoenWoorden);
    EXPECT_EQ(form.label1()->text(), QStringLiteral("1000000 Woorden van 9 Letters"));
    EXPECT_EQ(model->index(0).data().toString(), klein(groteLijstWoord(0)));
    EXPECT_EQ(model->index(MiljoenWoorden - 1).data().toString(), klein(groteLijstWoord(MiljoenWoorden - 1)));
    EXPECT_TRUE(test.dialogen.meldingen.empty());

    // A word between the first two of the list lands in row 1, in the view as in the list.
    const std::string nieuw = groteLijstWoord(0).substr(0, 8) + "B";
    ASSERT_EQ(core::ZoekWoord(test.omgeving.dataMap().toStdString(), nieuw), core::ZoekUitslag::NietGevonden);
    form.text1()->setText(QString::fromStdString(nieuw));
    emit form.addKnop()->Click();
    EXPECT_EQ(model->rowCount(), MiljoenWoorden + 1);
    EXPECT_EQ(model->index(1).data().toString(), klein(nieuw));
    EXPECT_EQ(form.label1()->text(), QStringLiteral("1000001 Woorden"));

    // Deleting the last row, far from the view's first page.
    form.list1()->setCurrentIndex(model->index(MiljoenWoorden));
    test.dialogen.antwoorden = {Antwoord::Ja};
    emit form.delKnop()->Click();
    EXPECT_EQ(model->rowCount(), MiljoenWoorden);

    ASSERT_TRUE(form.saveGeklikt());
    const std::string map = test.omgeving.dataMap().toStdString();
    EXPECT_EQ(core::ZoekWoord(map, nieuw), core::ZoekUitslag::Gevonden);
    EXPECT_EQ(core::ZoekWoord(map, groteLijstWoord(MiljoenWoorden - 2)), core::ZoekUitslag::Gevonden);
    EXPECT_EQ(core::ZoekWoord(map, groteLijstWoord(MiljoenWoorden - 1)), core::ZoekUitslag::NietGevonden);
}

TEST_F(GroteInvoer, TheEditorRefusesWordsWithCharactersAListCannotHold)
{
    schrijf(data(QStringLiteral("Woord-3.lst")), "KAT\r\n");
    schrijf(data(QStringLiteral("Woord-5.lst")), "APPEL\r\n");
    maakMain();
    EditForm form(*main);
    ASSERT_EQ(form.combo1()->currentText(), QStringLiteral("Woord-5.lst"));

    const QString woorden[] = {QStringLiteral("\U0001F600"), QStringLiteral("k\U0001F600t"), QStringLiteral("中文"),
                               QStringLiteral("ab中")};
    for (const QString &woord : woorden) {
        SCOPED_TRACE(woord.toStdString());
        test.dialogen.meldingen.clear();
        form.text1()->setText(woord);
        emit form.addKnop()->Click();
        EXPECT_EQ(form.woordenModel()->stringList(), QStringList({QStringLiteral("appel")}));
        EXPECT_EQ(test.dialogen.meldingen.size(), 1u);
    }
    ASSERT_TRUE(form.saveGeklikt());
    QFile bestand(data(QStringLiteral("Woord-5.lst")));
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    EXPECT_EQ(bestand.readAll(), QByteArray("APPEL\r\n"));
}

// A name of 100,000 characters: saved, read at the next start, shown, asked about and removed.
TEST_F(GroteInvoer, AVeryLongPlayerNameGoesThroughTheHighScoreList)
{
    const std::string lang = "Piet " + std::string(100000, 'x') + " \U0001F600";
    maakMain();
    main->scoreLijst().VoegScoreToe(42, lang);
    main->scoreLijst().VoegScoreToe(7, "Een");
    ASSERT_TRUE(main->bewaarScorelijst());
    test.dialogen.antwoorden = {Antwoord::Ja};
    main->close();
    main.reset();

    maakMain();
    // The emoji has no place in the file: it came back as one "?".
    const std::string terug = "0042 - Piet " + std::string(100000, 'x') + " ?";
    ASSERT_EQ(main->scoreLijst().ascending(), (std::vector<std::string>{"0007 - Een", terug}));

    ScoreForm form(*main);
    ASSERT_EQ(form.list1()->count(), 2);
    EXPECT_EQ(form.list1()->item(0)->text().toStdString(), terug);
    form.list1()->setCurrentRow(0);
    test.dialogen.antwoorden = {Antwoord::Ja};
    emit form.deleteKnop()->Click();
    ASSERT_EQ(test.dialogen.meldingen.size(), 1u);
    EXPECT_EQ(test.dialogen.meldingen[0].tekst.toStdString(),
              "Wilt u '" + terug.substr(7) + "' verwijderen uit de lijst?");
    EXPECT_EQ(main->scoreLijst().ascending(), (std::vector<std::string>{"0007 - Een"}));
}

// An advertisement text of 100,000 characters in the settings file shows whole on the main
// window and in the settings dialog, and is written back whole at the exit.
TEST_F(GroteInvoer, AVeryLongAdvertisementTextIsShownAndSavedWhole)
{
    const std::string lang = "Bingo, " + std::string(100000, 'r') + " \"vanavond\" \u4E2D";
    core::Algemeen opgeslagen;
    opgeslagen.zetStartwaarden();
    opgeslagen.ReclameTekst = lang;
    ASSERT_TRUE(core::BewaarInstellingen(opgeslagen, test.omgeving.instellingenPad().toStdString()));

    maakMain();
    const std::string terug = "Bingo, " + std::string(100000, 'r') + " \"vanavond\" ?";
    EXPECT_EQ(test.algemeen.ReclameTekst, terug);
    EXPECT_EQ(main->label2()->text().toStdString(), terug);
    EXPECT_EQ(main->label3()->text().toStdString(), terug);

    // The settings dialog shows it whole, and OK keeps it whole.
    {
        ConfigForm form(*main);
        EXPECT_EQ(form.text1()->text().toStdString(), terug);
        ASSERT_TRUE(form.okGeklikt());
        EXPECT_EQ(test.algemeen.ReclameTekst, terug);
    }

    test.dialogen.antwoorden = {Antwoord::Ja};
    main->close();
    main.reset();
    core::Algemeen gelezen;
    gelezen.zetStartwaarden();
    ASSERT_TRUE(core::LaadInstellingen(gelezen, test.omgeving.instellingenPad().toStdString()));
    EXPECT_EQ(gelezen.ReclameTekst, terug);
}
