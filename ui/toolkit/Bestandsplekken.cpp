#include "ui/toolkit/Bestandsplekken.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ui {

namespace {

// Where an installed program's Data lies from its bin folder (GNUInstallDirs: bin and share).
const QString GedeeldeData = QStringLiteral("../share/alfabolotto/Data");

} // namespace

Bestandsplekken::Bestandsplekken(const QString &map)
    : programmaMap(map)
    , instellingenMap(map)
    , dataMap(map + QStringLiteral("/Data"))
    , meegeleverdeData(dataMap)
{}

Bestandsplekken Bestandsplekken::voor(const QString &programmaMap)
{
    Bestandsplekken plekken(programmaMap);
    const QFileInfo naast(plekken.dataMap);
    if (naast.isDir() && naast.isWritable())
        return plekken;
    plekken.inGebruikersmappen = true;
    plekken.instellingenMap =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/alfabolotto");
    plekken.dataMap =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/alfabolotto/Data");
    const QString gedeeld = QDir::cleanPath(QDir(programmaMap).filePath(GedeeldeData));
    if (!naast.isDir() && QFileInfo(gedeeld).isDir())
        plekken.meegeleverdeData = gedeeld;
    return plekken;
}

QString Bestandsplekken::dataBestand(const QString &naam) const
{
    return QString::fromStdString(lijstMappen().pad(QFile::encodeName(naam).toStdString()));
}

core::LijstMappen Bestandsplekken::lijstMappen() const
{
    return {QFile::encodeName(dataMap).toStdString(), QFile::encodeName(meegeleverdeData).toStdString()};
}

QString Bestandsplekken::omschrijving() const
{
    QStringList regels{QStringLiteral("Instellingen: %1").arg(QDir::toNativeSeparators(instellingenPad())),
                       QStringLiteral("Scores en bewerkte woordenlijsten: %1").arg(QDir::toNativeSeparators(dataMap))};
    if (meegeleverdeData != dataMap)
        regels << QStringLiteral("Meegeleverde woordenlijsten: %1").arg(QDir::toNativeSeparators(meegeleverdeData));
    return regels.join(QLatin1Char('\n'));
}

bool Bestandsplekken::maakMappen() const { return QDir().mkpath(instellingenMap) && QDir().mkpath(dataMap); }

void Bestandsplekken::neemOverVanNaastHetProgramma() const
{
    if (!inGebruikersmappen)
        return;
    const Bestandsplekken naast(programmaMap);
    const std::pair<QString, QString> bestanden[] = {
        {naast.instellingenPad(), instellingenPad()},
        {naast.dataMap + QStringLiteral("/Scorelijst.lib"), dataMap + QStringLiteral("/Scorelijst.lib")},
        {naast.dataMap + QStringLiteral("/Ronde.dat"), dataMap + QStringLiteral("/Ronde.dat")}};
    for (const auto &[van, naar] : bestanden) {
        if (QFileInfo::exists(van) && !QFileInfo::exists(naar))
            QFile::copy(van, naar);
    }
}

} // namespace ui
