#include "ScriptedDialogen.h"

ui::Antwoord ScriptedDialogen::melding(QWidget *, const QString &tekst, const QString &titel, ui::Knoppen knoppen,
                                       ui::Icoon icoon)
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

QString ScriptedDialogen::invoer(QWidget *, const QString &prompt, const QString &titel)
{
    invoerVragen.push_back(prompt);
    invoerTitels.push_back(titel.isEmpty() ? ui::ProgrammaTitel : titel);
    if (invoerAntwoorden.empty())
        return {};
    const QString antwoord = invoerAntwoorden.front();
    invoerAntwoorden.pop_front();
    return antwoord;
}
