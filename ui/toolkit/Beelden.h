#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <functional>

namespace ui {

// The program's pictures under ":/images/". Most come in a version for the design size and,
// for large screens, versions with 2 and 3 times as many pixels (name@2x.png, name@3x.png).
// Each file is read once and kept.
QImage beeld(const QString &naam);
// A picture in the version for a scale, read the first time it is asked for.
using DetailBron = std::function<QImage(qreal schaal)>;
DetailBron detailBron(const QString &naam);
// The version with at least `schaal` times the pixels of the design size, or the largest.
QImage beeldVoorSchaal(const QString &naam, qreal schaal);
// For a label: that version, marked so that it takes the place of the design-size picture.
QPixmap plaatjeVoorSchaal(const QString &naam, qreal schaal);
// Starts reading these pictures, in their versions for `schaal`, on another thread, so they
// are ready when the window is first drawn.
void leesVooruit(const QStringList &namen, qreal schaal);

} // namespace ui
