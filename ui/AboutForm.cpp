#include "ui/AboutForm.h"

#include "ui/MainWindow.h"

namespace ui {

void toonAboutForm(Main &)
{
    // Not built yet: the menu button has no effect until this dialog exists.
}

} // namespace ui
