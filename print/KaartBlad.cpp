#include "print/KaartBlad.h"

#include "print/KaartLayouts.h"
#include "print/QtPageSurface.h"
#include "widgets/Fonts.h"

#include <QFontMetricsF>

#include <cmath>

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

void drukBladCode(PageSurface &surface, const QString &bladCode, int y, int rechts)
{
    if (bladCode.isEmpty())
        return;
    const QString tekst = QStringLiteral("Blad ") + bladCode;
    const PageFont font = arial(11);
    // Measured in the face the page prints with, where a pixel is a twip.
    widgets::installFontSubstitutions();
    const double twips = QFontMetricsF(QtPageSurface::qtFont(font)).horizontalAdvance(tekst);
    surface.text(rechts - int(std::ceil(twips)), y, tekst, font, VoetGrijs);
}

} // namespace blad
} // namespace print
