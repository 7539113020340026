#include "ui/toolkit/Voorkeuren.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace ui {

namespace {

const QString PassendSleutel = QStringLiteral("scherm/passend");
const QString BeeldschermSleutel = QStringLiteral("scherm/beeldscherm");
const QString MarkerenSleutel = QStringLiteral("bingo/nieuwsteLetterMarkeren");
const QString ZaalschermAanSleutel = QStringLiteral("zaalscherm/aan");
const QString ZaalschermSleutel = QStringLiteral("zaalscherm/scherm");
const QString SpraakAanSleutel = QStringLiteral("spraak/aan");
const QString StemSleutel = QStringLiteral("spraak/stem");
const QString SnelheidSleutel = QStringLiteral("spraak/snelheid");
const QString VolumeSleutel = QStringLiteral("spraak/volume");

// A stored number, kept inside its range; anything else gives the default.
int getal(const QSettings &opgeslagen, const QString &sleutel, int standaard, int laagste, int hoogste)
{
    bool gelezen = false;
    const int waarde = opgeslagen.value(sleutel).toInt(&gelezen);
    return gelezen ? std::clamp(waarde, laagste, hoogste) : standaard;
}
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
    voorkeuren.zaalschermAan = opgeslagen.value(ZaalschermAanSleutel, voorkeuren.zaalschermAan).toBool();
    voorkeuren.zaalscherm = opgeslagen.value(ZaalschermSleutel).toString();
    voorkeuren.spraakAan = opgeslagen.value(SpraakAanSleutel, voorkeuren.spraakAan).toBool();
    SpraakKeuze &spraak = voorkeuren.spraak;
    spraak.stem = opgeslagen.value(StemSleutel).toString();
    spraak.snelheid = getal(opgeslagen, SnelheidSleutel, spraak.snelheid, -10, 10);
    spraak.volume = getal(opgeslagen, VolumeSleutel, spraak.volume, 0, 100);
    return voorkeuren;
}

bool Voorkeuren::bewaar(QString *melding) const
{
    QDir().mkpath(QFileInfo(pad()).absolutePath());
    QSettings opgeslagen(pad(), QSettings::IniFormat);
    opgeslagen.setValue(PassendSleutel, passendOpScherm);
    opgeslagen.setValue(BeeldschermSleutel, beeldscherm);
    opgeslagen.setValue(MarkerenSleutel, nieuwsteLetterMarkeren);
    opgeslagen.setValue(ZaalschermAanSleutel, zaalschermAan);
    opgeslagen.setValue(ZaalschermSleutel, zaalscherm);
    opgeslagen.setValue(SpraakAanSleutel, spraakAan);
    opgeslagen.setValue(StemSleutel, spraak.stem);
    opgeslagen.setValue(SnelheidSleutel, spraak.snelheid);
    opgeslagen.setValue(VolumeSleutel, spraak.volume);
    opgeslagen.sync();
    if (opgeslagen.status() == QSettings::NoError)
        return true;
    if (melding)
        *melding = QStringLiteral("De voorkeuren konden niet worden opgeslagen in %1.").arg(pad());
    return false;
}

} // namespace ui
