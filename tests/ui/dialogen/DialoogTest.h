#pragma once

#include "support/MetHoofdvenster.h"

#include "print/Printers.h"
#include "print/RecordingTarget.h"
#include "ui/afdrukken/AfdrukForm.h"
#include "ui/dialogen/AboutForm.h"
#include "ui/dialogen/ConfigForm.h"
#include "ui/dialogen/SoortForm.h"
#include "ui/editor/EditForm.h"
#include "ui/quiz/ScoreForm.h"
#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QStringListModel>

using namespace ui;

inline QString uit(const std::string &tekst) { return QString::fromStdString(tekst); }

// The message boxes shown, each with its text, title, buttons and icon.
using Meldingen = std::vector<ScriptedDialogen::Melding>;
inline bool operator==(const ScriptedDialogen::Melding &a, const ScriptedDialogen::Melding &b)
{
    return std::tie(a.tekst, a.titel, a.knoppen, a.icoon) == std::tie(b.tekst, b.titel, b.knoppen, b.icoon);
}
inline void PrintTo(const ScriptedDialogen::Melding &melding, std::ostream *os) { *os << melding.tekst.toStdString(); }

// Installed printers whose jobs are recorded; document `weiger` of a job is refused, as by a
// printer that goes off line.
struct NepPrinters : print::Printers {
    struct Doel : print::DocumentTarget { // hands the documents on to a recording that outlives the job
        Doel(print::RecordingTarget &opname, int weiger)
            : opname(opname)
            , weiger(weiger)
        {}
        std::unique_ptr<print::PageSurface> beginDocument(int n) override
        {
            return n == weiger ? nullptr : opname.beginDocument(n);
        }
        print::RecordingTarget &opname;
        int weiger;
    };
    QStringList namen() const override { return geinstalleerd; }
    QString standaard() const override { return QStringLiteral("Laser"); }
    std::unique_ptr<print::DocumentTarget> open(const QString &naam) override
    {
        if (!geinstalleerd.contains(naam))
            return nullptr;
        opdrachten.push_back(std::make_unique<print::RecordingTarget>());
        return std::make_unique<Doel>(*opdrachten.back(), weiger);
    }
    QStringList geinstalleerd{QStringLiteral("Laser"), QStringLiteral("Kantoor"), QStringLiteral("Kleur")};
    int weiger = 0;
    std::vector<std::unique_ptr<print::RecordingTarget>> opdrachten;
};

// The main window with an empty Data folder, the test's printers and a question for the PDF
// file that answers pdfAntwoord.
struct DialoogTest : MetHoofdvenster {
    NepPrinters printers;
    print::Printerkeuze keuze{printers};
    QStringList pdfVoorstellen;
    QString pdfAntwoord;
    Afdrukmiddelen middelen{keuze, [this](QWidget *, const QString &voorstel) {
                                pdfVoorstellen << voorstel;
                                return pdfAntwoord;
                            }};

    QString data(const QString &naam) const { return test.omgeving.dataMap() + QLatin1Char('/') + naam; }
    void schrijf(const QString &naam, const QByteArray &inhoud)
    {
        QFile bestand(data(naam));
        ASSERT_TRUE(bestand.open(QIODevice::WriteOnly) && bestand.write(inhoud) == inhoud.size());
    }
};
