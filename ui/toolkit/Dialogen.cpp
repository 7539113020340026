#include "ui/toolkit/Dialogen.h"

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
        box.exec();
        return Antwoord::Ok;
    }
    QPushButton *ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *nee = box.addButton(QStringLiteral("Nee"), QMessageBox::NoRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(nee);
    box.exec();
    return box.clickedButton() == ja ? Antwoord::Ja : Antwoord::Nee;
}

QString QtDialogen::invoer(QWidget *parent, const QString &prompt, const QString &titel)
{
    bool ok = false;
    const QString tekst = QInputDialog::getText(parent, titel.isEmpty() ? ProgrammaTitel : titel, prompt,
                                                QLineEdit::Normal, QString(), &ok);
    return ok ? tekst : QString();
}

} // namespace ui
