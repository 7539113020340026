#include "ui/toolkit/Beelden.h"

#include <QFile>

#include <future>
#include <map>
#include <mutex>

namespace ui {

namespace {

QString padVoor(const QString &naam, int detail)
{
    QString pad = QStringLiteral(":/images/") + naam;
    if (detail > 1)
        pad.insert(pad.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(detail));
    return pad;
}

// The file of the version for a scale: the smallest with enough pixels, or the largest there is.
QString padVoorSchaal(const QString &naam, qreal schaal)
{
    QString gekozen = padVoor(naam, 1);
    if (schaal <= 1.001)
        return gekozen;
    for (const int detail : {2, 3}) {
        const QString pad = padVoor(naam, detail);
        if (!QFile::exists(pad))
            break;
        gekozen = pad;
        if (detail >= schaal - 0.001)
            break;
    }
    return gekozen;
}

// Every file read, or being read: a picture read on another thread is waited for, not read twice.
std::shared_future<QImage> gelezen(const QString &pad, std::launch hoe)
{
    static std::mutex slot;
    static std::map<QString, std::shared_future<QImage>> beelden;
    const std::lock_guard<std::mutex> vast(slot);
    auto plek = beelden.find(pad);
    if (plek == beelden.end())
        plek = beelden.emplace(pad, std::async(hoe, [pad] { return QImage(pad); }).share()).first;
    return plek->second;
}

} // namespace

QImage beeld(const QString &naam) { return gelezen(padVoor(naam, 1), std::launch::deferred).get(); }

QImage beeldVoorSchaal(const QString &naam, qreal schaal)
{
    return gelezen(padVoorSchaal(naam, schaal), std::launch::deferred).get();
}

DetailBron detailBron(const QString &naam)
{
    return [naam](qreal schaal) { return beeldVoorSchaal(naam, schaal); };
}

QPixmap plaatjeVoorSchaal(const QString &naam, qreal schaal)
{
    QPixmap plaatje = QPixmap::fromImage(beeldVoorSchaal(naam, schaal));
    const int ontwerpBreedte = beeld(naam).width();
    if (ontwerpBreedte > 0)
        plaatje.setDevicePixelRatio(qreal(plaatje.width()) / ontwerpBreedte);
    return plaatje;
}

void leesVooruit(const QStringList &namen, qreal schaal)
{
    for (const QString &naam : namen)
        gelezen(padVoorSchaal(naam, schaal), std::launch::async);
}

} // namespace ui
