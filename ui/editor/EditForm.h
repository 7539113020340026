#pragma once

#include "core/quiz/WoordLijst.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QStringListModel;

namespace widgets {
class VistaButton;
}

namespace ui {

class Main;
struct Omgeving;

// `EditForm`: the word-list editor of the quiz. Combo1 offers the "*.lst" files of Data;
// the chosen list is read into List1 (lower case, sorted) and edited there; "Opslaan"
// writes it back in upper case and closes, "Cancel" closes and forgets the changes.
//
// Opening fills Combo1 (VulLijstKeuze), selects the second list and loads it. Choosing
// another list reloads from disk and drops unsaved changes without a question.
//
// The words live in a core::WoordLijst; List1 shows them through a string model that is
// filled in one go on loading and changed row by row on adding and removing, so the two
// always hold the same words in the same order.
class EditForm : public QDialog
{
    Q_OBJECT

public:
    explicit EditForm(Main &main);
    ~EditForm() override;

    // Fills Combo1 with the word lists of Data and loads the second one (the only one when
    // there is just one). Without any list the editor stays empty and can only be closed.
    void VulLijstKeuze();
    // Reads Data/<naam> into List1. Text1 then takes as many characters as the list's word
    // length (the seventh character of the name; 1 counts as 9, anything else allows 9).
    // A list that cannot be read is reported and cannot be edited or saved, so an empty
    // list never replaces a file that could not be read.
    void LaadWoordenlijst(const QString &naam);

    void addGeklikt();
    void delGeklikt();
    // Writes the list chosen in Combo1 and closes the editor. When writing fails the old
    // file stays as it was, the operator is told why and the editor stays open with its
    // words, so nothing is lost; false then.
    bool saveGeklikt();
    void cancelGeklikt();

    // Data/<name of the list chosen in Combo1>; empty when there is none.
    QString lijstPad() const;
    const core::WoordLijst &woordLijst() const { return m_lijst; }

    QComboBox *combo1() const { return m_combo1; }
    QListView *list1() const { return m_list1; }
    QStringListModel *woordenModel() const { return m_model; }
    QLabel *label1() const { return m_label1; }
    QLineEdit *text1() const { return m_text1; }
    widgets::VistaButton *addKnop() const { return m_addKnop; }
    widgets::VistaButton *delKnop() const { return m_delKnop; }
    widgets::VistaButton *cancelKnop() const { return m_cancelKnop; }
    widgets::VistaButton *saveKnop() const { return m_saveKnop; }

private:
    void legUit();
    widgets::VistaButton *maakKnop(const QString &naam, const QString &caption, const QString &tooltip);
    void zetLabel1(const QString &tekst);
    // Enables the four buttons; Add, Delete and Opslaan (and Text1) only while a list that
    // was read is shown.
    void zetKnoppen(bool aan);
    void melding(const QString &tekst, const QString &titel, bool kritiek = false);

    Omgeving &m_omgeving;
    core::WoordLijst m_lijst;
    bool m_lijstGelezen = false;

    QComboBox *m_combo1 = nullptr;
    QListView *m_list1 = nullptr;
    QStringListModel *m_model = nullptr;
    QLabel *m_label1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    widgets::VistaButton *m_addKnop = nullptr;
    widgets::VistaButton *m_delKnop = nullptr;
    widgets::VistaButton *m_cancelKnop = nullptr;
    widgets::VistaButton *m_saveKnop = nullptr;
};

// Opens `EditForm` modally over the main window.
void toonEditForm(Main &main);

} // namespace ui
