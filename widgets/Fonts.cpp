#include "widgets/Fonts.h"

#include <QApplication>

#include <cmath>

namespace widgets {

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

void installProgramFonts()
{
    installFontSubstitutions();
    QApplication::setFont(designFont(QStringLiteral("Arial"), 8.25));
}

QFont designFont(const QString &family, double points, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace widgets
