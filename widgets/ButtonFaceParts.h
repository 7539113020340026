#pragma once

#include "widgets/ButtonFace.h"

// Steps of paintFace that live in their own source files.
namespace widgets::face {

// Draws the picture and then the caption: the caption is measured first, the picture is
// placed beside it, and the caption goes into the room the picture leaves.
void drawCaption(QImage &face, const FaceInput &input);

// Copies the current frame of the picture strip onto the face, placed for a caption of
// width `textWidth` and clipped to the face's inner area. Gives back how many picture
// pixels were cut off on the left (0 when there is no picture).
int drawPicture(QImage &face, const FaceInput &input, int textWidth);

} // namespace widgets::face
