#include "ui/ConfigForm.h"

#include "ui/MainWindow.h"

namespace ui {

void toonConfigForm(Main &)
{
    // Not built yet: the menu button has no effect until this dialog exists.
}

} // namespace ui
