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
                         ui::Icoon icoon) override
    {
        meldingen.push_back({tekst, titel.isEmpty() ? ui::ProgrammaTitel : titel, knoppen, icoon});
        if (bijMelding)
            bijMelding(meldingen.back());
        if (knoppen == ui::Knoppen::Ok)
            return ui::Antwoord::Ok;
        if (antwoorden.empty())
            return ui::Antwoord::Nee;
        const ui::Antwoord antwoord = antwoorden.front();
        antwoorden.pop_front();
        return antwoord;
    }

    QString invoer(QWidget *, const QString &prompt, const QString &titel) override
    {
        invoerVragen.push_back(prompt);
        invoerTitels.push_back(titel.isEmpty() ? ui::ProgrammaTitel : titel);
        if (invoerAntwoorden.empty())
            return {};
        const QString antwoord = invoerAntwoorden.front();
        invoerAntwoorden.pop_front();
        return antwoord;
    }

    std::deque<ui::Antwoord> antwoorden;
    std::deque<QString> invoerAntwoorden;
    std::vector<Melding> meldingen;
    QStringList invoerVragen;
    QStringList invoerTitels;
    // Runs inside every box, e.g. to act while a modal question would be open.
    std::function<void(const Melding &)> bijMelding;
};
