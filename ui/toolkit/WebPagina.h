#pragma once

#include <QString>

namespace ui {

// Asks the desktop to open the address in its browser; a failure is silent.
void OpenWebPagina(const QString &adres);

} // namespace ui
