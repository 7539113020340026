#include "print/KaartBlad.h"

#include "print/KaartLayouts.h"

namespace print {

const QImage &freePlaatje()
{
    static const QImage picture = [] {
        QImage groot(QStringLiteral(":/images/free-groot.png"));
        return groot.isNull() ? QImage(QStringLiteral(":/images/free.png")) : groot;
    }();
    return picture;
}

namespace blad {

QString letterTekst(int letter) { return QString(QChar(u'@' + letter)); }

void drukKaartNummers(PageSurface &surface, std::span<const QPoint> plaatsen)
{
    int nummer = 1;
    for (const QPoint &plaats : plaatsen)
        surface.text(plaats.x(), plaats.y(), QString::number(nummer++), arial(16), Zwart);
}

void drukVoettekst(PageSurface &surface, const QString &reclameTekst, int y)
{
    if (reclameTekst.isEmpty())
        return;
    surface.text(600, y, reclameTekst, arial(11), VoetGrijs);
}

} // namespace blad
} // namespace print
