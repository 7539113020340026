#pragma once

#include <QString>

class QWidget;

namespace ui {

// The program's title, used as the caption of message and input boxes that give none.
inline const QString ProgrammaTitel = QStringLiteral("Alfabo Lotto");

enum class Knoppen { Ok, JaNee };
enum class Icoon { Geen, Kritiek };
enum class Antwoord { Ok, Ja, Nee };

// Message boxes and the input box. Windows ask through this interface so tests can
// script the answers and read the texts.
class Dialogen
{
public:
    virtual ~Dialogen() = default;

    // A message with OK, or a question with "Ja" and "Nee"; an empty title gives the
    // program's title. Closing a question any other way counts as "Nee".
    virtual Antwoord melding(QWidget *parent, const QString &tekst, const QString &titel = {},
                             Knoppen knoppen = Knoppen::Ok, Icoon icoon = Icoon::Geen) = 0;

    // Asks for a line of text; empty when cancelled.
    virtual QString invoer(QWidget *parent, const QString &prompt, const QString &titel = {}) = 0;
};

// The real boxes.
class QtDialogen : public Dialogen
{
public:
    Antwoord melding(QWidget *parent, const QString &tekst, const QString &titel, Knoppen knoppen,
                     Icoon icoon) override;
    QString invoer(QWidget *parent, const QString &prompt, const QString &titel) override;
};

} // namespace ui
