#pragma once

// What the four card sheets share: their fonts, the letter texts, the card numbers and
// the footer line. Used only inside the card makers.

#include "print/PageSurface.h"

#include <QPoint>

#include <span>

namespace print::blad {

inline const QColor Zwart(0, 0, 0);
inline const QColor LetterGrijs(130, 130, 130);
inline const QColor VoetGrijs(160, 160, 160);
inline const QColor LichtGrijs(200, 200, 200);

// Bold is switched on at the start of every sheet and stays on, footer included.
inline PageFont comic(double points) { return {QStringLiteral("Comic Sans MS"), points, true}; }
inline PageFont arial(double points) { return {QStringLiteral("Arial"), points, true}; }

// "A" for letter number 1 .. "Z" for 26.
QString letterTekst(int letter);

// "1", "2", ... in black Arial 16 at the given places, in that order.
void drukKaartNummers(PageSurface &surface, std::span<const QPoint> plaatsen);

// The advertisement line in grey Arial 11 at (600, y); an empty text writes nothing.
void drukVoettekst(PageSurface &surface, const QString &reclameTekst, int y);
// "Blad " and the sheet's code in the footer's grey Arial 11, ending at x = rechts on the
// footer line at y; an empty code writes nothing.
void drukBladCode(PageSurface &surface, const QString &bladCode, int y, int rechts);

} // namespace print::blad
