#pragma once

#include "widgets/ButtonState.h"

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QRgb>
#include <QString>

namespace widgets {

// Everything the face of a VistaButton depends on.
struct FaceInput {
    ButtonState state = ButtonState::Normal;
    bool enabled = true;
    // A mouse button or the space bar is held down on the button.
    bool pressed = false;
    bool noBackground = false;
    QRgb backColor = qRgb(255, 255, 255);
    QString caption;
    QFont font;
    QRgb foreColor = qRgb(0, 0, 0);
    // The picture strip, already converted to ARGB32_Premultiplied; null when there is none.
    QImage picture;
    // Frames side by side in the strip.
    int pictures = 2;
    bool useMaskColor = true;
    QRgb maskColor = qRgb(0, 255, 0);
    // Pixels by which the picture moves right and down while pressed.
    int pictureOffset = 0;
};

// Caption colour of a disabled button, whatever its ForeColor.
inline constexpr QRgb kDisabledTextColor = qRgb(131, 131, 131);

// Row where the lower half of a face of height `height` begins: height / 2.2, rounded.
int faceMiddle(int height);

// Paints the whole face of `input.state` into `face` (Format_RGB32), which has the
// button's size: background, gradients, state shading, picture and caption, border and
// corner pixels. Drawn from scratch on every call.
void paintFace(QImage &face, const FaceInput &input);

// The window shape of a button of the given size: its rectangle without the four
// outermost corner pixels.
QRegion buttonRegion(int width, int height);

} // namespace widgets
