#include "ui/ScoreForm.h"

#include "ui/MainWindow.h"

namespace ui {

void toonScoreForm(Main &)
{
    // Not built yet: the menu button has no effect until this dialog exists.
}

} // namespace ui
