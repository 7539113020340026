#include "ui/toolkit/Nederlands.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

TEST(Nederlands, QtsOwnDialogsSpeakDutchAndDatesFollowTheDutchLocale)
{
    const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_nl.qm");
    if (!QFile::exists(qm))
        GTEST_SKIP() << "Qt's Dutch translations are not installed: " << qm.toStdString();

    const QLocale vorige;
    ui::installeerNederlands(*QCoreApplication::instance());
    const QString annuleren = QCoreApplication::translate("QPlatformTheme", "Cancel");
    const QString opslaan = QCoreApplication::translate("QFileDialog", "&Save").remove(QLatin1Char('&'));
    const QString maand = QLocale().monthName(3);

    // Leave the other tests as they were.
    for (QTranslator *vertaler : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(vertaler);
        delete vertaler;
    }
    QLocale::setDefault(vorige);

    EXPECT_EQ(annuleren, QStringLiteral("Annuleren"));
    EXPECT_EQ(opslaan, QStringLiteral("Opslaan"));
    EXPECT_EQ(maand, QStringLiteral("maart"));
}

} // namespace
