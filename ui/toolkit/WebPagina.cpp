#include "ui/toolkit/WebPagina.h"

#include <QDesktopServices>
#include <QUrl>

namespace ui {

void OpenWebPagina(const QString &adres)
{
    QUrl url = QUrl::fromUserInput(adres);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

} // namespace ui
