#include "ui/toolkit/Voorkeuren.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace ui {

namespace {

const QString PassendSleutel = QStringLiteral("scherm/passend");
const QString BeeldschermSleutel = QStringLiteral("scherm/beeldscherm");
const QString MarkerenSleutel = QStringLiteral("bingo/nieuwsteLetterMarkeren");



} // namespace

QString Voorkeuren::pad()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/alfabolotto/alfabolotto.conf");
}

Voorkeuren Voorkeuren::lees()
{
    const QSettings opgeslagen(pad(), QSettings::IniFormat);
    Voorkeuren voorkeuren;
    voorkeuren.passendOpScherm = opgeslagen.value(PassendSleutel, voorkeuren.passendOpScherm).toBool();
    voorkeuren.beeldscherm = opgeslagen.value(BeeldschermSleutel).toString();
    voorkeuren.nieuwsteLetterMarkeren = opgeslagen.value(MarkerenSleutel, voorkeuren.nieuwsteLetterMarkeren).toBool();
    return voorkeuren;
}

bool Voorkeuren::bewaar(QString *melding) const
{
    QDir().mkpath(QFileInfo(pad()).absolutePath());
    QSettings opgeslagen(pad(), QSettings::IniFormat);
    opgeslagen.setValue(PassendSleutel, passendOpScherm);
    opgeslagen.setValue(BeeldschermSleutel, beeldscherm);
    opgeslagen.setValue(MarkerenSleutel, nieuwsteLetterMarkeren);
    opgeslagen.sync();
    if (opgeslagen.status() == QSettings::NoError)
        return true;
    if (melding)
        *melding = QStringLiteral("De voorkeuren konden niet worden opgeslagen in %1.").arg(pad());
    return false;
}

} // namespace ui
