#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <functional>
#include <vector>

namespace ui {

// The program's pictures under ":/images/". Most come in a version for the design size and,
// for large screens, versions with 2 and 3 times as many pixels (name@2x.png, name@3x.png).
QImage beeld(const QString &naam);
// The larger versions that exist, smallest first.
std::vector<QImage> detailBeelden(const QString &naam);
// For a button: the version for a scale, read only when the button is drawn larger.
std::function<QImage(qreal)> detailBron(const QString &naam);
// The most detailed version, read the first time it is asked for.
std::function<QImage()> grootsteBron(const QString &naam);
// The version with at least `schaal` times the pixels of the design size, or the largest.
QImage beeldVoorSchaal(const QString &naam, qreal schaal);
// For a label: that version, marked so that it takes the place of the design-size picture.
QPixmap plaatjeVoorSchaal(const QString &naam, qreal schaal);

} // namespace ui
