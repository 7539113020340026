#include "ui/AfdrukForm.h"

#include "ui/MainWindow.h"

namespace ui {

void toonAfdrukForm(Main &)
{
    // Not built yet: the menu button has no effect until this dialog exists.
}

} // namespace ui
