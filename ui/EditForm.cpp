#include "ui/EditForm.h"

#include "ui/MainWindow.h"

namespace ui {

void toonEditForm(Main &)
{
    // Not built yet: the menu button has no effect until this dialog exists.
}

} // namespace ui
