#pragma once

#include "ui/toolkit/Dialogen.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Message and input boxes for tests: records every box and answers from a script.
// Questions without a scripted answer get "Nee", input boxes an empty text.
class ScriptedDialogen : public ui::Dialogen
{
public:
    struct Melding {
        QString tekst;
        QString titel;
        ui::Knoppen knoppen;
        ui::Icoon icoon;
    };

    ui::Antwoord melding(QWidget *, const QString &tekst, const QString &titel, ui::Knoppen knoppen,
                         ui::Icoon icoon) override;
    QString invoer(QWidget *, const QString &prompt, const QString &titel) override;

    std::deque<ui::Antwoord> antwoorden;
    std::deque<QString> invoerAntwoorden;
    std::vector<Melding> meldingen;
    QStringList invoerVragen;
    QStringList invoerTitels;
    // Runs inside every box, e.g. to act while a modal question would be open.
    std::function<void(const Melding &)> bijMelding;
};
