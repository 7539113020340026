#pragma once

#include "OpnameSpraak.h"
#include "ScriptedDialogen.h"

#include "core/Algemeen.h"
#include "core/Clock.h"
#include "core/RandomSource.h"
#include "ui/toolkit/Omgeving.h"
#include "ui/toolkit/Wachter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The bytes of a file, or "<ontbreekt>".
inline QByteArray leesBestand(const QString &pad)
{
    QFile bestand(pad);
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray("<ontbreekt>");
}

// Everything a window needs, with a manual clock, a seeded random source, scripted
// boxes, instant waits, a voice that writes down and a fresh program folder (with an empty Data folder).
struct TestOmgeving {
    explicit TestOmgeving(std::uint64_t seed = 1)
        : toeval(seed)
        , wachter(klok)
        , omgeving{algemeen, klok, toeval, dialogen, wachter, spraak, map.path()}
    {
        algemeen.zetStartwaarden();
        algemeen.vulLetterWaarde();
        QDir(map.path()).mkdir(QStringLiteral("Data"));
    }

    QTemporaryDir map;
    core::Algemeen algemeen;
    core::ManualClock klok;
    core::SeededRandom toeval;
    ScriptedDialogen dialogen;
    ui::DirecteWachter wachter;
    OpnameSpraak spraak;
    ui::Omgeving omgeving;
};
