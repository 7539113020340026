#include "ui/toolkit/Nederlands.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

void installeerNederlands(QCoreApplication &app)
{
    const QLocale nederlands(QLocale::Dutch, QLocale::Netherlands);
    QLocale::setDefault(nederlands);
    // Without Debian's translations Qt's dialogs simply stay English.
    auto *vertaler = new QTranslator(&app);
    if (vertaler->load(nederlands, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(vertaler);
    else
        delete vertaler;
}

} // namespace ui
