#pragma once

#include "ui/toolkit/TekenPaneel.h"

#include <functional>
#include <memory>

class QLabel;
class QTimer;

namespace core {
struct LetterAfdruk;
}

namespace widgets {
class VistaButton;
}

namespace ui {

class BesteWoordenPaneel;
class Main;
class QuizSpel;
class QuizWoordenLijst;
class WoordInvoerVak;

// `Pic2`: the word quiz screen, shown in place of the board while the game type is the quiz.
// 481 x 481 pixels: the letter field of 12 boxes at the top, the word list with its heading
// and footer bars below it on the left, and on the right the entry box, the instructions,
// the time, the player's name and the "Waarde" and "Start" buttons.
//
// The constructor lays the panel out once; the game (QuizSpel) afterwards changes only
// texts, colours and enabled states.
class QuizScherm : public TekenPaneel
{
    Q_OBJECT

public:
    static constexpr int Maat = 481;

    QuizScherm(Main &main, QWidget *parent);
    ~QuizScherm() override;

    // The 12 empty boxes of the letter field.
    void TekenLetterVakken();
    // A drawn letter in its box: the white copy, then the coloured one.
    void DrukLetter(const core::LetterAfdruk &afdruk);

    // Shown and hidden with the screen: the bar with the same-letters button below it.
    void setVisible(bool visible) override;

    // Stops the countdown `Timer2` (the game-type dialog does this when it is confirmed);
    // a game under way is given up.
    void stopAftellen();

    // The game: start, countdown ticks, words, letter values (QuizSpel.h).
    QuizSpel &spel() const { return *m_spel; }
    // Shows the high-score dialog at the end of a game; by default ScoreForm, modally.
    void setToonScoreLijst(std::function<void()> toon);

    widgets::VistaButton *startSpelKnop() const { return m_startSpelKnop; }
    widgets::VistaButton *letterScoreKnop() const { return m_letterScoreKnop; }
    WoordInvoerVak *text1() const { return m_text1; }
    QuizWoordenLijst *listView1() const { return m_listView1; }
    QLabel *label5() const { return m_label5; }
    QLabel *label6() const { return m_label6; }
    QLabel *label8() const { return m_label8; }
    QLabel *tijdLabel() const { return m_tijdLabel; }
    QLabel *naamLabel() const { return m_naamLabel; }
    QLabel *bottomLabel1() const { return m_bottomLabel1; }
    QLabel *bottomLabel2() const { return m_bottomLabel2; }
    QTimer *timer2() const { return m_timer2; }
    // Below the screen: the next game on the letters of the last one.
    widgets::VistaButton *zelfdeLettersKnop() const { return m_zelfdeLettersKnop; }
    QWidget *zelfdeLettersBalk() const { return m_zelfdeLettersBalk; }
    // Over the wheel after a game: the best words its letters allowed.
    BesteWoordenPaneel *besteWoorden() const { return m_besteWoorden; }

    // A caption change that keeps a label sized to its text.
    static void zetTekst(QLabel *label, const QString &tekst);

protected:
    void moveEvent(QMoveEvent *event) override;

private:
    void legWoordenLijstUit();
    void legRechterBlokUit();
    void legKnoppenUit();
    void legZelfdeLettersBalkUit();
    void legBalkBijScherm();

    Main &m_main;
    widgets::VistaButton *m_startSpelKnop = nullptr;
    widgets::VistaButton *m_letterScoreKnop = nullptr;
    WoordInvoerVak *m_text1 = nullptr;
    QuizWoordenLijst *m_listView1 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label6 = nullptr;
    QLabel *m_label8 = nullptr;
    QLabel *m_tijdLabel = nullptr;
    QLabel *m_naamLabel = nullptr;
    QLabel *m_bottomLabel1 = nullptr;
    QLabel *m_bottomLabel2 = nullptr;
    QTimer *m_timer2 = nullptr;
    QWidget *m_zelfdeLettersBalk = nullptr;
    widgets::VistaButton *m_zelfdeLettersKnop = nullptr;
    BesteWoordenPaneel *m_besteWoorden = nullptr;
    std::unique_ptr<QuizSpel> m_spel;
};

} // namespace ui
