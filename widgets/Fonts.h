#pragma once

#include <QFont>
#include <QString>

namespace widgets {

// The design names "Comic Sans MS" and "Arial"; on Linux Comic Neue and Liberation Sans
// stand in for them. Installed once at start-up, for this program only.
void installFontSubstitutions();

// The substitutions plus the program's default font (Arial 8.25) for every window; called
// once after the QApplication exists, by the program and by tools that draw its windows.
void installProgramFonts();

// A font of the design: a face name and a size in points at 96 dots per inch, so sizes
// in the window's pixels come out the same on every screen (11.25 pt = 15 px).
QFont designFont(const QString &family, double points, bool bold = false, bool italic = false);

} // namespace widgets
