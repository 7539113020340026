#pragma once

#include "ui/spraak/Spraak.h"

// A voice that only writes down what it is given.
class OpnameSpraak : public ui::Spraak
{
public:
    void zeg(const QString &zin) override { zinnen << zin; }
    void stelIn(const ui::SpraakKeuze &nieuw) override { keuze = nieuw; }
    QStringList stemmen() const override { return stemLijst; }
    QString waaromStil() const override { return waarom; }

    QStringList zinnen;
    ui::SpraakKeuze keuze;
    QStringList stemLijst;
    QString waarom;
};
