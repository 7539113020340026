#include "ui/toolkit/Dialogen.h"

#include "ui/toolkit/DialoogTonen.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

Antwoord QtDialogen::melding(QWidget *parent, const QString &tekst, const QString &titel, Knoppen knoppen, Icoon icoon)
{
    QMessageBox box(parent);
    box.setWindowTitle(titel.isEmpty() ? ProgrammaTitel : titel);
    box.setTextFormat(Qt::PlainText);
    box.setText(tekst);
    box.setIcon(icoon == Icoon::Kritiek ? QMessageBox::Critical : QMessageBox::NoIcon);
    if (knoppen == Knoppen::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        toonDialoog(box);
        return Antwoord::Ok;
    }
    QPushButton *ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *nee = box.addButton(QStringLiteral("Nee"), QMessageBox::NoRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(nee);
    toonDialoog(box);
    return box.clickedButton() == ja ? Antwoord::Ja : Antwoord::Nee;
}

QString QtDialogen::invoer(QWidget *parent, const QString &prompt, const QString &titel)
{
    QInputDialog dialoog(parent);
    dialoog.setWindowTitle(titel.isEmpty() ? ProgrammaTitel : titel);
    dialoog.setLabelText(prompt);
    dialoog.setInputMode(QInputDialog::TextInput);
    return toonDialoog(dialoog) == QDialog::Accepted ? dialoog.textValue() : QString();
}

} // namespace ui
