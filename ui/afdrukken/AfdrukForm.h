#pragma once

#include "print/KaartLayouts.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace print {
class Printerkeuze;
}

namespace widgets {
class VistaButton;
}

namespace ui {

class Main;

// Asks where a job on the PDF printer is to be saved, starting from a proposed path;
// empty when the operator cancels.
using PdfBestandVraag = std::function<QString(QWidget *parent, const QString &voorstel)>;

// What the print dialog prints with: the printer choice of the run and the question for
// the PDF file. The program's own lives as long as the program; tests bring their own.
struct Afdrukmiddelen {
    print::Printerkeuze &printerkeuze;
    PdfBestandVraag vraagPdfBestand;
};

// The printers of the system, the current printer (the default at first use, then what
// the operator chose) and the save dialog, for the whole run.
Afdrukmiddelen &programmaAfdrukmiddelen();

// The save dialog: a PDF file, starting in the proposed folder with the proposed name.
QString vraagPdfBestandNaam(QWidget *parent, const QString &voorstel);

// `AfdrukForm`: prints sheets of bingo cards. The operator chooses the printer (`Combo2`),
// the number of pages (`Combo1`) and the middle piece of the wide cards (`Check1`); each
// of the four kind buttons prints at once and the dialog stays open for further jobs.
// Every job prints the stored ReclameTekst as footer: the text edited in `Text1` is
// stored only by `ExitKnop`. Closing the window any other way (the close box, Esc)
// keeps the stored text, like a cancel.
//
// Every opening starts afresh (one page, no middle piece, the stored text); the printer
// chosen earlier in the run is shown again.
class AfdrukForm : public QDialog
{
    Q_OBJECT

public:
    explicit AfdrukForm(Main &main, Afdrukmiddelen &middelen = programmaAfdrukmiddelen());
    ~AfdrukForm() override;

    // A kind button: pages of that kind on the current printer, with the page count of
    // `Combo1` as it is now. A count that cannot be used says why and prints nothing;
    // a printer that cannot print is reported; a cancelled PDF file prints nothing.
    void drukAf(print::KaartSoort soort);
    // `Combo2` chosen or typed in: a text that names a printer of the list makes it the
    // current printer, any other text keeps the current one; the title follows.
    void printerGekozen();
    // `ExitKnop`: stores `Text1` as ReclameTekst and closes.
    void exitGeklikt();

    // The proposed PDF file for a job of this kind: the documents folder, the kind and
    // today's date ("Bingokaarten 2026-12-06.pdf").
    QString pdfVoorstel(print::KaartSoort soort) const;

    QComboBox *combo1() const { return m_combo1; }
    QComboBox *combo2() const { return m_combo2; }
    QCheckBox *check1() const { return m_check1; }
    QLineEdit *text1() const { return m_text1; }
    QLabel *image1() const { return m_image1; }
    widgets::VistaButton *soortKnop(print::KaartSoort soort) const;
    widgets::VistaButton *exitKnop() const { return m_exitKnop; }

private:
    void legSoortenUit();
    void legPrinterUit();
    void legPaginasUit();
    void legTekstUit();
    void zetTitel();
    void meldFout(const QString &tekst);

    Main &m_main;
    Afdrukmiddelen &m_middelen;
    QStringList m_printerLijst;
    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QCheckBox *m_check1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLabel *m_image1 = nullptr;
    widgets::VistaButton *m_soortKnoppen[4] = {nullptr, nullptr, nullptr, nullptr};
    widgets::VistaButton *m_exitKnop = nullptr;
};

// Opens `AfdrukForm` modally over the main window.
void toonAfdrukForm(Main &main);

} // namespace ui
