#include "ui/toolkit/Beelden.h"

#include <memory>
#include <optional>

namespace ui {

namespace {

QString padVoor(const QString &naam, int detail)
{
    QString pad = QStringLiteral(":/images/") + naam;
    if (detail > 1)
        pad.insert(pad.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(detail));
    return pad;
}

} // namespace

QImage beeld(const QString &naam) { return QImage(padVoor(naam, 1)); }

std::vector<QImage> detailBeelden(const QString &naam)
{
    std::vector<QImage> beelden;
    for (const int detail : {2, 3}) {
        QImage versie(padVoor(naam, detail));
        if (!versie.isNull())
            beelden.push_back(std::move(versie));
    }
    return beelden;
}

QImage beeldVoorSchaal(const QString &naam, qreal schaal)
{
    QImage gekozen = beeld(naam);
    if (schaal <= 1.001)
        return gekozen;
    for (QImage &versie : detailBeelden(naam)) {
        gekozen = std::move(versie);
        if (gekozen.width() >= beeld(naam).width() * schaal)
            break;
    }
    return gekozen;
}

std::function<QImage(qreal)> detailBron(const QString &naam)
{
    return [naam](qreal schaal) { return beeldVoorSchaal(naam, schaal); };
}

std::function<QImage()> grootsteBron(const QString &naam)
{
    auto gelezen = std::make_shared<std::optional<QImage>>();
    return [naam, gelezen] {
        if (!*gelezen)
            *gelezen = beeldVoorSchaal(naam, 3);
        return **gelezen;
    };
}

QPixmap plaatjeVoorSchaal(const QString &naam, qreal schaal)
{
    QPixmap plaatje = QPixmap::fromImage(beeldVoorSchaal(naam, schaal));
    const int ontwerpBreedte = beeld(naam).width();
    if (ontwerpBreedte > 0)
        plaatje.setDevicePixelRatio(qreal(plaatje.width()) / ontwerpBreedte);
    return plaatje;
}

} // namespace ui
