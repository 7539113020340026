#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QListWidget;

namespace widgets {
class VistaButton;
}

namespace ui {

class Main;

// `ScoreForm`, "Hoogst Scorelijst": the high-score list of the word quiz, highest score at
// the top. "Del" removes the chosen entry, "Del All" every entry, each after a question;
// both change only the list in memory (main.scoreLijst()), whose file is written after the
// next game or when the program closes.
class ScoreForm : public QDialog
{
    Q_OBJECT

public:
    explicit ScoreForm(Main &main);

    void okGeklikt();
    void deleteGeklikt();
    void deleteAllGeklikt();

    QGroupBox *frame1() const { return m_frame1; }
    QListWidget *list1() const { return m_list1; }
    QLabel *label2() const { return m_label2; }
    widgets::VistaButton *deleteKnop() const { return m_deleteKnop; }
    widgets::VistaButton *deleteAllKnop() const { return m_deleteAllKnop; }
    widgets::VistaButton *okKnop() const { return m_okKnop; }

private:
    widgets::VistaButton *maakKnop(const QString &naam, const QString &caption, int left);
    void toonAantal();

    Main &m_main;
    QGroupBox *m_frame1 = nullptr;
    QListWidget *m_list1 = nullptr;
    QLabel *m_label2 = nullptr;
    widgets::VistaButton *m_deleteKnop = nullptr;
    widgets::VistaButton *m_deleteAllKnop = nullptr;
    widgets::VistaButton *m_okKnop = nullptr;
};

// Opens `ScoreForm` modally over the main window.
void toonScoreForm(Main &main);

} // namespace ui
