#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class QSlider;

namespace widgets {
class VistaButton;
}

namespace ui {

class Main;
struct SpraakKeuze;

// Shown when the seconds of the word quiz are no whole number; the dialog stays open.
inline const QString SecondenMelding =
    QStringLiteral("Het aantal seconden moet een geheel getal zijn, bijvoorbeeld 150.");

// `ConfigForm`: the advertisement text, the colour of the drawn letters and the seconds of the
// word quiz. The colour sliders write `LetterKleur` at once, while they move; the text and the
// seconds are stored only by `OkKnop`. Everything stays in memory: the settings file is written
// when the program ends. Below them the preferences of this computer (fit to the screen, the
// screen, the newest-letter mark, the spoken calls), stored at once by `OkKnop` apart from the
// settings file. "Test" says "A van Anton" with the voice as chosen in the dialog; a choice
// not confirmed is undone when the dialog closes otherwise.
class ConfigForm : public QDialog
{
    Q_OBJECT

public:
    explicit ConfigForm(Main &main);

    // `OkKnop`: stores the text and the seconds and closes. Seconds that are no whole number
    // in the 32-bit range are refused with SecondenMelding; then nothing is stored and the
    // dialog stays open (false).
    bool okGeklikt();
    // `HScroll1`(index) moved, also while dragged: the component goes into LetterKleur at once.
    void schuifVerschoven(int index);

    QLineEdit *text1() const { return m_text1; }
    QScrollBar *hScroll1(int index) const { return m_hScroll1[index]; }
    QLabel *kleurLabel(int index) const { return m_kleurLabel[index]; }
    QLabel *label4() const { return m_label4; }
    QComboBox *combo1() const { return m_combo1; }
    // The preferences of this computer, below the game's settings.
    QCheckBox *passendKeuze() const { return m_passend; }
    QCheckBox *markeringKeuze() const { return m_markering; }
    QComboBox *beeldschermKeuze() const { return m_beeldscherm; }
    QCheckBox *spraakKeuze() const { return m_spraakAan; }
    QComboBox *stemKeuze() const { return m_stem; }
    QSlider *snelheidKeuze() const { return m_snelheid; }
    QSlider *volumeKeuze() const { return m_volume; }
    widgets::VistaButton *testKnop() const { return m_testKnop; }
    // Why there is no speech, in one line; empty while it works.
    QLabel *spraakToestand() const { return m_spraakToestand; }

    void reject() override;
    widgets::VistaButton *cancelKnop() const { return m_cancelKnop; }
    widgets::VistaButton *okKnop() const { return m_okKnop; }

private:
    void legTekstUit();
    void legKleurUit();
    void legSecondenUit();
    void legKnoppenUit();
    void legVoorkeurenUit();
    void legSpraakUit();
    // The voices and the reason for silence, as the engine reports them now.
    void toonSpraakToestand();
    SpraakKeuze gekozenSpraak() const;
    // False when the preferences could not be stored; the operator was told.
    bool bewaarVoorkeuren();
    void toonKleur();
    int component(int index) const;
    void zetComponent(int index, int waarde);

    Main &m_main;
    QLineEdit *m_text1 = nullptr;
    std::array<QScrollBar *, 3> m_hScroll1{};
    std::array<QLabel *, 3> m_kleurLabel{};
    QLabel *m_label4 = nullptr;
    QComboBox *m_combo1 = nullptr;
    QCheckBox *m_passend = nullptr;
    QCheckBox *m_markering = nullptr;
    QComboBox *m_beeldscherm = nullptr;
    QCheckBox *m_spraakAan = nullptr;
    QComboBox *m_stem = nullptr;
    QSlider *m_snelheid = nullptr;
    QSlider *m_volume = nullptr;
    widgets::VistaButton *m_testKnop = nullptr;
    QLabel *m_spraakToestand = nullptr;
    widgets::VistaButton *m_cancelKnop = nullptr;
    widgets::VistaButton *m_okKnop = nullptr;
};

// Opens `ConfigForm` modally over the main window.
void toonConfigForm(Main &main);

} // namespace ui
