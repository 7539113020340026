#pragma once

#include "widgets/PropertyBag.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace widgets {

// The settings a VistaButton keeps with the layout of its window.
struct ButtonSettings {
    QString caption;
    QColor foreColor;
    QFont font;
    QImage picture;
    qint16 pictures = 0;
    bool useMaskColor = false;
    QColor maskColor;
    bool enabled = false;
    bool noBackground = false;
    QColor backColor;
    qint16 pictureOffset = 0;
};

// Colours are stored as one 32-bit number: red + 256 x green + 65536 x blue. A number
// with the top bit set names a system colour instead; 0x8000000F is the face colour of
// buttons.
inline constexpr quint32 kSystemButtonFace = 0x8000000Fu;
qint32 storedColor(const QColor &color);
QColor colorFromStored(qint32 value);

// Writes every setting, always, in this order: Caption, ForeColor, Font, Picture, Pictures,
// UseMaskColor, MaskColor, Enabled, NoBackground, BackColor, PictureOffset.
void writeButtonSettings(PropertyBag &bag, const ButtonSettings &settings);

// Reads the settings as stored, without the checks of the property writes (a stored
// Pictures of 3 stays 3). A missing key gives an empty caption, black, no picture, 0,
// false; a missing font gives `currentFont`; a missing background the system button face.
ButtonSettings readButtonSettings(const PropertyBag &bag, const QFont &currentFont);

} // namespace widgets
