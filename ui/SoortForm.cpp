#include "ui/SoortForm.h"

#include "ui/MainWindow.h"

namespace ui {

void toonSoortForm(Main &)
{
    // Not built yet: the menu button has no effect until this dialog exists.
}

} // namespace ui
