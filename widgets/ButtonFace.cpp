#include "widgets/ButtonFace.h"

#include "widgets/ButtonFaceParts.h"
#include "widgets/FaceCanvas.h"
#include "widgets/FaceColors.h"
#include "widgets/Rounding.h"

namespace widgets {

namespace {

// A corner pixel of the left side; the right side mirrors it (x becomes W - 1 - x).
// A negative y counts from the bottom: -1 is row H - 1.
struct CornerPixel {
    int x;
    int y;
    int border;
};

constexpr CornerPixel kCornerPixels[] = {
    {1, 0, 2},  {2, 0, 3},   {0, 1, 4},   {1, 1, 5},   {2, 1, 6},   {0, 2, 7},   {1, 2, 8},   {2, 2, 9},   {0, 3, 10},
    {1, 3, 11}, {1, -1, 12}, {2, -1, 13}, {0, -2, 14}, {1, -2, 15}, {2, -2, 16}, {0, -3, 17}, {1, -3, 18}, {2, -3, 19},
};

void paintGradients(FaceCanvas &canvas, const FaceColors &colors, int middle)
{
    const int w = canvas.width();
    const int h = canvas.height();
    const auto &g = colors.gradient;
    canvas.gradientRect(2, 2, w - 2, middle, g[0], g[1]);
    canvas.gradientRect(2, middle, w - 2, h - 2, g[2], g[3]);
    canvas.gradientRect(1, 3, 2, middle, g[4], g[5]);
    canvas.gradientRect(w - 2, 3, w - 1, middle, g[4], g[5]);
    canvas.gradientRect(1, middle, 2, h - 3, g[6], g[7]);
    canvas.gradientRect(w - 1, middle, w - 2, h - 3, g[6], g[7]);
}

// The pressed look darkens the top corners and the bottom left corner. The runs on rows 1
// and H - 2 lie under the inner border lines, which are drawn later.
void paintPressedShading(FaceCanvas &canvas)
{
    const int w = canvas.width();
    const int h = canvas.height();
    canvas.run(3, 6, 1, qRgb(151, 170, 180));
    canvas.run(7, 10, 1, qRgb(157, 175, 185));
    canvas.run(w - 7, w - 4, 1, qRgb(151, 170, 180));
    canvas.run(w - 11, w - 8, 1, qRgb(157, 175, 185));
    canvas.run(3, 6, 2, qRgb(220, 237, 246));
    canvas.run(w - 7, w - 4, 2, qRgb(220, 237, 246));
    canvas.run(3, 6, h - 2, qRgb(99, 172, 211));
    canvas.run(7, 10, h - 2, qRgb(104, 178, 218));
    canvas.run(3, 6, h - 3, qRgb(109, 181, 220));
    canvas.pixel(2, 3, qRgb(220, 237, 245));
    canvas.pixel(w - 3, 3, qRgb(220, 237, 245));
}

void paintFocusGlow(FaceCanvas &canvas, int middle)
{
    const int w = canvas.width();
    const int h = canvas.height();
    canvas.run(3, w - 4, 2, qRgb(166, 233, 251));
    canvas.run(3, w - 4, h - 3, qRgb(132, 213, 239));
    canvas.gradientRect(2, 3, 3, middle, qRgb(165, 232, 251), qRgb(161, 230, 249));
    canvas.gradientRect(w - 2, 3, w - 3, middle, qRgb(165, 232, 251), qRgb(161, 230, 249));
    canvas.gradientRect(2, middle, 3, h - 3, qRgb(146, 222, 245), qRgb(133, 213, 240));
    canvas.gradientRect(w - 2, middle, w - 3, h - 3, qRgb(146, 222, 245), qRgb(133, 213, 240));
}

void paintBorder(FaceCanvas &canvas, const FaceColors &colors)
{
    const int w = canvas.width();
    const int h = canvas.height();
    const auto &b = colors.border;
    canvas.box(0, 0, w - 1, h - 1, b[0]);
    canvas.run(3, w - 4, 1, b[1]);
    canvas.run(3, w - 4, h - 2, b[20]);
    for (const CornerPixel &corner : kCornerPixels) {
        const int y = corner.y >= 0 ? corner.y : h + corner.y;
        canvas.pixel(corner.x, y, b[corner.border]);
        canvas.pixel(w - 1 - corner.x, y, b[corner.border]);
    }
}

} // namespace

int faceMiddle(int height) { return roundHalfEven(height / 2.2); }

void paintFace(QImage &face, const FaceInput &input)
{
    if (face.isNull())
        return;
    FaceCanvas canvas(face);
    const ButtonState state = input.state;
    const bool faceShown = state == ButtonState::MouseOver || state == ButtonState::Pressed;
    if (input.noBackground && !faceShown) {
        canvas.clear(input.backColor);
        face::drawCaption(face, input);
        return;
    }

    const FaceColors &colors = faceColors(state);
    const int middle = faceMiddle(face.height());
    canvas.clear(input.backColor);
    paintGradients(canvas, colors, middle);
    if (state == ButtonState::Pressed)
        paintPressedShading(canvas);
    else if (state == ButtonState::Focused)
        paintFocusGlow(canvas, middle);
    face::drawCaption(face, input);
    paintBorder(canvas, colors);
}

QRegion buttonRegion(int width, int height)
{
    QRegion region(0, 0, width, height);
    region -= QRegion(0, 0, 1, 1);
    region -= QRegion(0, height - 1, 1, 1);
    region -= QRegion(width - 1, 0, 1, 1);
    region -= QRegion(width - 1, height - 1, 1, 1);
    return region;
}

} // namespace widgets
