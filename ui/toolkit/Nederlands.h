#pragma once

class QCoreApplication;

namespace ui {

// The operator reads Dutch everywhere, also in Qt's own dialogs (the file dialog of the
// PDF printer, the buttons of the standard boxes) and in the dates they show.
void installeerNederlands(QCoreApplication &app);

} // namespace ui
