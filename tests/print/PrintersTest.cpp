#include "print/Printers.h"
#include "print/RecordingTarget.h"

#include <gtest/gtest.h>

namespace {

class VastePrinters : public print::Printers
{
public:
    QStringList namen() const override { return geinstalleerd; }
    QString standaard() const override { return standaardPrinter; }
    std::unique_ptr<print::DocumentTarget> open(const QString &) override
    {
        return std::make_unique<print::RecordingTarget>();
    }

    QStringList geinstalleerd;
    QString standaardPrinter;
};

} // namespace

TEST(Printerkeuze, StartsOnTheSystemDefaultOrElseOnThePdfPrinter)
{
    const struct {
        QStringList geinstalleerd;
        QString standaard;
        QString huidige;
    } cases[] = {
        {{"A", "B"}, "B", "B"},
        {{"A", "B"}, "", "PDF-bestand"},
        {{}, "", "PDF-bestand"},
    };
    for (const auto &c : cases) {
        VastePrinters printers;
        printers.geinstalleerd = c.geinstalleerd;
        printers.standaardPrinter = c.standaard;
        const print::Printerkeuze keuze(printers);
        EXPECT_EQ(keuze.huidige(), c.huidige);
        EXPECT_EQ(keuze.lijst().last(), print::PdfBestand);
        EXPECT_EQ(keuze.lijst().size(), c.geinstalleerd.size() + 1);
    }
}

TEST(Printerkeuze, TheListFollowsTheSystemWhileTheChoiceStays)
{
    VastePrinters printers;
    printers.geinstalleerd = {"A"};
    printers.standaardPrinter = "A";
    print::Printerkeuze keuze(printers);
    keuze.kies(QStringLiteral("A"));

    // A printer installed while the program runs shows at the next opening of the dialog;
    // a new system default does not take over from the operator's choice.
    printers.geinstalleerd = {"A", "Nieuw"};
    printers.standaardPrinter = "Nieuw";
    EXPECT_EQ(keuze.lijst(), (QStringList{"A", "Nieuw", "PDF-bestand"}));
    EXPECT_EQ(keuze.huidige(), QStringLiteral("A"));
}

TEST(SysteemPrinters, OpensNoPrinterThatIsNotInstalledAndListsThePdfPrinterNever)
{
    print::SysteemPrinters systeem;
    EXPECT_EQ(systeem.open(QStringLiteral("Alfabo bestaat niet 1234")), nullptr);
    EXPECT_EQ(systeem.open(print::PdfBestand), nullptr);
    EXPECT_FALSE(systeem.namen().contains(print::PdfBestand));
    const QString standaard = systeem.standaard();
    if (!standaard.isEmpty()) {
        EXPECT_TRUE(systeem.namen().contains(standaard));
    }
}
