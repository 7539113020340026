#pragma once

#include "core/Algemeen.h"
#include "core/bingo/BingoRonde.h"
#include "core/quiz/ScoreLijst.h"
#include "core/quiz/ScorelijstBewaring.h"
#include "ui/toolkit/Voorkeuren.h"

#include <QSize>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QScrollArea;
class QTimer;

namespace ui {

class Bedieningstoetsen;
class BingoBord;
class KaartControlePaneel;
class BingoScherm;
class HelpSchermen;
class KlikLabel;
class LetterRadPaneel;
class MenuBalk;
enum class MenuActie;
class QuizScherm;
class TekenPaneel;
struct Omgeving;

// `Main`: the program's only top-level window, borderless over the whole screen: the dark
// red background with the advertisement text, the menu bar, the letter wheel, the board (or
// the quiz screen), the game title, round and turn labels, the clock and the minimise image.
//
// Start-up (the constructor): layout, wheel, board with a first round, quiz screen, labels;
// then the start values of the shared state, the letter values, and last the settings file.
// Closing asks " Exit programma"; only "Ja" saves the settings and ends the program.
class Main : public QWidget
{
    Q_OBJECT

public:
    // scherm: the size of the screen the window fills.
    Main(Omgeving &omgeving, QSize scherm, QWidget *parent = nullptr);
    ~Main() override;

    // The smallest area the layout needs; smaller screens scroll instead of cutting it off.
    static QSize ontwerpMaat();
    // Lays the window out for an area of this size: borders, menu bar, clock and minimise
    // image along its edges; the wheel, the board and their labels in the middle when
    // centred, otherwise at the top left.
    void pasMaatAan(QSize scherm, bool centreren);
    // Where the wheel, the board and their labels are moved to from the top left.
    QPoint verschuiving() const { return m_verschuiving; }

    // Shows ReclameTekst in Label2 and Label3 (behind the menu bar).
    void toonReclameTekst();

    // One menu bar action; an action whose condition is not met does nothing.
    void menuActie(MenuActie actie);
    // The " Nieuwe Bingo Ronde " question and, on "Ja", the slide of the board and a new round.
    void vraagNieuweRonde();
    void wisselMenuBalk();
    void minimaliseer();
    // The next letter, unless a draw or a slide is under way; it is called aloud once it
    // stands on the board.
    void trekLetter();
    // Says the sentence when speech is on, cutting off the one before; never waits for it.
    void roep(const std::string &zin);
    // "Kaart controleren" (the menu button and K): asks a sheet's code and a card number and
    // shows that card over the board against the letters drawn; a mistyped code is told and
    // asked again.
    void kaartControleren();
    KaartControlePaneel *kaartControle() const { return m_kaartControle; }
    // The window that shows this one on the screen: itself, or the stage it stands on.
    void zetVenster(QWidget *venster);
    QWidget *venster() const { return m_venster; }
    void wisselVolledigScherm();
    // The hall's screen on or off (F10 and its menu button), remembered for the next start.
    void wisselZaalscherm();
    // The scale the window is shown at; pictures shown as they are follow it.
    void zetSchaal(qreal schaal);
    bool isAfgesloten() const { return m_afsluitenBevestigd; }

    // The operator's preferences for this computer (screen, fit, the newest-letter mark).
    const Voorkeuren &voorkeuren() const { return m_voorkeuren; }
    void zetVoorkeuren(const Voorkeuren &voorkeuren);

signals:
    // New preferences from the settings dialog, already stored.
    void voorkeurenGewijzigd(const Voorkeuren &voorkeuren);
    // After every draw and new round.
    void rondeGewijzigd();

public:
    void toonKlok();

    // The high-score list lives as long as the program; Data/Scorelijst.lib is its file.
    core::ScoreLijst &scoreLijst() { return m_scoreLijst; }
    QString scorelijstPad() const;
    // Data/Ronde.dat: the bingo round as it stands, kept after every draw until a confirmed exit.
    QString rondePad() const;
    // Writes the high-score list after a game when it changed; every failure is told to the
    // operator, and the old file stays whole. A list that could not be read at start is never
    // written over (see ScorelijstBewaring).
    bool bewaarScorelijst();
    const core::ScorelijstBewaring &scorelijstBewaring() const { return *m_scoreBewaring; }

    Omgeving &omgeving() const { return m_omgeving; }
    core::BingoRonde &ronde() { return *m_ronde; }
    TekenPaneel *mainPic() const { return m_mainPic; }
    MenuBalk *menuPic() const { return m_menuPic; }
    LetterRadPaneel *radPic() const { return m_radPic; }
    BingoBord *pic() const { return m_pic; }
    QuizScherm *pic2() const { return m_pic2; }
    HelpSchermen *helpSchermen() const { return m_help; }
    QLabel *label2() const { return m_label2; }
    QLabel *label3() const { return m_label3; }
    QLabel *logoLabel(int index) const { return m_logoLabel[index]; }
    QLabel *rondeLabel() const { return m_rondeLabel; }
    QLabel *beurtLabel() const { return m_beurtLabel; }
    KlikLabel *klokLabel() const { return m_klokLabel; }
    KlikLabel *image1() const { return m_image1; }
    QTimer *timer1() const { return m_timer1; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // After every draw and new round; the round file is written whole or not at all.
    void bewaarRonde();
    // A round cut off by a crash taken up again (and told so); the fault to tell when the
    // round file could not be used.
    QString hervatRonde();
    void legAchtergrondUit();
    void legLabelsUit();
    void legRandenUit();
    void maakLogoLabels();
    void slideBord(int van, int tot, int stap);
    bool vraagAfsluiten();
    bool bewaarScorelijst(core::ScorelijstBewaring::Moment moment);

    Omgeving &m_omgeving;
    QScrollArea *m_scroll = nullptr;
    TekenPaneel *m_mainPic = nullptr;
    MenuBalk *m_menuPic = nullptr;
    LetterRadPaneel *m_radPic = nullptr;
    BingoBord *m_pic = nullptr;
    KaartControlePaneel *m_kaartControle = nullptr;
    QuizScherm *m_pic2 = nullptr;
    HelpSchermen *m_help = nullptr;
    core::ScoreLijst m_scoreLijst;
    std::unique_ptr<core::ScorelijstBewaring> m_scoreBewaring;
    core::Algemeen m_instellingenOpSchijf; // the settings as Alfabolotto.ini holds them
    bool m_instellingenOnleesbaar = false;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_logoLabel[2] = {nullptr, nullptr};
    QLabel *m_rondeLabel = nullptr;
    QLabel *m_beurtLabel = nullptr;
    KlikLabel *m_klokLabel = nullptr;
    KlikLabel *m_image1 = nullptr;
    QTimer *m_timer1 = nullptr;
    QWidget *m_venster = this;
    Voorkeuren m_voorkeuren;
    Bedieningstoetsen *m_toetsen = nullptr;
    std::unique_ptr<BingoScherm> m_bingoScherm;
    std::unique_ptr<core::BingoRonde> m_ronde;
    std::vector<QWidget *> m_inhoud; // moved together when centred
    std::vector<QPoint> m_ontwerpPlek;
    QPoint m_verschuiving;
    bool m_schuift = false;
    bool m_afsluitenBevestigd = false;
};

} // namespace ui
