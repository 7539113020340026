#include "ui/hoofdvenster/Opdrachtregel.h"

#include "core/Clock.h"
#include "core/kaarten/BladCode.h"
#include "core/RandomSource.h"
#include "print/PdfTarget.h"
#include "print/PrintJob.h"
#include "ui/toolkit/Bestandsplekken.h"
#include "widgets/Fonts.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <map>

namespace ui {
namespace {

enum Afloop { Gelukt = 0, Mislukt = 1, VerkeerdGebruik = 2 };

const std::map<QString, core::KaartSoort> Soorten{{QStringLiteral("uniek"), core::KaartSoort::Bingo},
                                                  {QStringLiteral("random"), core::KaartSoort::Random},
                                                  {QStringLiteral("breed"), core::KaartSoort::Breed},
                                                  {QStringLiteral("4x4"), core::KaartSoort::VierBijVier}};

const char *Gebruik = "Gebruik:\n"
                      "  alfabolotto                       het programma met zijn venster\n"
                      "  alfabolotto --kaarten uniek|random|breed|4x4 --paginas N --pdf BESTAND [--middenstuk]\n"
                      "                                    N kaartbladen in een PDF-bestand, zonder venster\n"
                      "  alfabolotto --kaart CODE NUMMER   de letters van kaart NUMMER van het blad met die code\n"
                      "  alfabolotto --bestanden           waar de instellingen, scores en woordenlijsten staan\n"
                      "  alfabolotto --version             de versie van het programma\n"
                      "  alfabolotto --help                deze uitleg\n";

void schrijf(std::FILE *naar, const QString &tekst)
{
    std::fputs(tekst.toLocal8Bit().constData(), naar);
    std::fflush(naar);
}

int verkeerdGebruik(const QString &waarom)
{
    schrijf(stderr, waarom + QStringLiteral("\n\n") + QString::fromUtf8(Gebruik));
    return VerkeerdGebruik;
}

int drukKaart(const QString &codeTekst, const QString &nummerTekst)
{
    const std::optional<core::BladCode> code = core::leesCode(codeTekst.toStdString());
    if (!code) {
        schrijf(stderr, QStringLiteral("De code %1 bestaat niet: kijk hem na op het blad.\n").arg(codeTekst));
        return Mislukt;
    }
    const std::vector<core::BingoKaart> kaarten = core::kaartenVanBlad(*code);
    bool getal = false;
    const int nummer = nummerTekst.toInt(&getal);
    if (!getal || nummer < 1 || nummer > int(kaarten.size())) {
        schrijf(stderr,
                QStringLiteral("Kaart %1 staat niet op dit blad: de kaarten zijn genummerd van 1 tot %2.\n")
                    .arg(nummerTekst)
                    .arg(kaarten.size()));
        return Mislukt;
    }
    const core::BingoKaart &kaart = kaarten[std::size_t(nummer - 1)];
    QString rijen;
    for (int rij = 1; rij <= kaart.rijen(); ++rij) {
        QStringList letters;
        for (int kolom = 1; kolom <= kaart.kolommen(); ++kolom)
            letters << QString(QChar::fromLatin1(core::kaartLetterTeken(kaart.letter(kolom, rij))));
        rijen += letters.join(QLatin1Char(' ')) + QLatin1Char('\n');
    }
    schrijf(stdout, rijen);
    return Gelukt;
}

int drukKaarten(const QCommandLineParser &opties)
{
    const auto soort = Soorten.find(opties.value(QStringLiteral("kaarten")));
    if (soort == Soorten.end())
        return verkeerdGebruik(
            QStringLiteral("Onbekende soort kaarten: %1.").arg(opties.value(QStringLiteral("kaarten"))));
    bool getal = false;
    const int paginas = opties.value(QStringLiteral("paginas")).toInt(&getal);
    if (!getal || paginas < 1)
        return verkeerdGebruik(QStringLiteral("--paginas vraagt een aantal van 1 of meer."));
    const QString bestand = opties.value(QStringLiteral("pdf"));
    if (bestand.isEmpty())
        return verkeerdGebruik(QStringLiteral("--kaarten vraagt een PDF-bestand met --pdf."));

    widgets::installProgramFonts();
    core::SystemClock klok;
    core::ClockSeededRandom toeval(klok);
    print::PdfTarget doel(bestand, print::PdfTarget::Bundling::OneFileForJob);
    const print::PrintJobResult uitkomst =
        print::drukKaarten(doel, soort->second, paginas, toeval, QString(), opties.isSet(QStringLiteral("middenstuk")));
    if (!uitkomst.completed || !doel.finishJob()) {
        schrijf(stderr, QStringLiteral("Het bestand %1 kon niet worden geschreven.\n").arg(bestand));
        return Mislukt;
    }
    return Gelukt;
}

} // namespace

std::optional<int> voerOpdrachtregelUit(int argc, char **argv)
{
    QStringList argumenten;
    for (int i = 0; i < argc; ++i)
        argumenten << QString::fromLocal8Bit(argv[i]);
    if (argumenten.size() < 2)
        return std::nullopt;

    QCommandLineParser opties;
    opties.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    opties.addOption(help);
    const QCommandLineOption versie(QStringList{QStringLiteral("version"), QStringLiteral("v")});
    opties.addOption(versie);
    const QCommandLineOption bestanden(QStringLiteral("bestanden"));
    opties.addOption(bestanden);
    opties.addOption({QStringLiteral("kaarten"), QString(), QStringLiteral("soort")});
    opties.addOption({QStringLiteral("paginas"), QString(), QStringLiteral("N")});
    opties.addOption({QStringLiteral("pdf"), QString(), QStringLiteral("bestand")});
    opties.addOption({QStringLiteral("middenstuk"), QString()});
    opties.addOption({QStringLiteral("kaart"), QString()});
    if (!opties.parse(argumenten))
        return verkeerdGebruik(QStringLiteral("Onbekende of onvolledige optie: %1.")
                                   .arg(opties.unknownOptionNames().value(0, argumenten.last())));
    if (opties.isSet(help)) {
        schrijf(stdout, QString::fromUtf8(Gebruik));
        return Gelukt;
    }
    if (opties.isSet(versie)) {
        schrijf(stdout, QStringLiteral("Alfabo Lotto %1\n").arg(QStringLiteral(ALFABO_VERSIE)));
        return Gelukt;
    }
    if (opties.isSet(bestanden)) {
        const QCoreApplication app(argc, argv);
        schrijf(stdout,
                Bestandsplekken::voor(QCoreApplication::applicationDirPath()).omschrijving() + QLatin1Char('\n'));
        return Gelukt;
    }
    const QStringList rest = opties.positionalArguments();
    if (opties.isSet(QStringLiteral("kaart"))) {
        if (rest.size() != 2 || opties.isSet(QStringLiteral("kaarten")))
            return verkeerdGebruik(QStringLiteral("--kaart vraagt een code en een kaartnummer."));
        return drukKaart(rest[0], rest[1]);
    }
    if (opties.isSet(QStringLiteral("kaarten"))) {
        if (!rest.isEmpty())
            return verkeerdGebruik(QStringLiteral("Onbekend argument: %1.").arg(rest.first()));
        // Sheets need fonts, not a screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return drukKaarten(opties);
    }
    return verkeerdGebruik(QStringLiteral("Onbekend argument: %1.").arg(rest.value(0, argumenten.value(1))));
}

} // namespace ui
