#pragma once

#include "core/quiz/LijstMappen.h"

#include <QString>

namespace ui {

// Where the program keeps its files.
//
// Beside the program, as always, while the Data folder there may be written (a build tree, an
// unpacked copy). An installed program keeps the operator's files in the
// user's folders instead: Alfabolotto.ini in $XDG_CONFIG_HOME/alfabolotto/, the high-score
// list, the round and the word lists as edited in $XDG_DATA_HOME/alfabolotto/Data/. The word
// lists and pictures it ships stay in <prefix>/share/alfabolotto/Data/; a list is read from
// there until the operator saves it in the editor.
struct Bestandsplekken {
    // Everything beside the program.
    Bestandsplekken(const QString &programmaMap);
    // The places for the program in this folder, as described above.
    static Bestandsplekken voor(const QString &programmaMap);

    QString programmaMap;
    QString instellingenMap;  // Alfabolotto.ini
    QString dataMap;          // Scorelijst.lib, Ronde.dat and the word lists as edited
    QString meegeleverdeData; // the Data shipped with the program
    bool inGebruikersmappen = false;

    QString instellingenPad() const { return instellingenMap + QStringLiteral("/Alfabolotto.ini"); }
    // A shipped file of Data (a picture, a word list), or the operator's copy of it.
    QString dataBestand(const QString &naam) const;
    core::LijstMappen lijstMappen() const;
    // Where the settings, the scores and the word lists are kept, a line each, for the operator.
    QString omschrijving() const;
    // Makes the folders written to; false when one of them cannot be made.
    bool maakMappen() const;
    // For a copy of the program whose Data can no longer be written: the settings, the scores
    // and the round kept beside it are copied to the user's folders where these have none yet,
    // so that nothing the operator had is lost.
    void neemOverVanNaastHetProgramma() const;
};

} // namespace ui
