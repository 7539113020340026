#include "widgets/ButtonFaceParts.h"
#include "widgets/Rounding.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace widgets::face {

void drawCaption(QImage &face, const FaceInput &input)
{
    const int w = face.width();
    const int h = face.height();

    // Measure in the whole face, wrapping at spaces, as if centred.
    int textWidth = 0;
    int textHeight = 0;
    if (!input.caption.isEmpty()) {
        const QFontMetrics metrics(input.font, &face);
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, w, h), Qt::TextWordWrap | Qt::AlignHCenter, input.caption);
        textWidth = needed.width();
        textHeight = needed.height();
    }

    // The picture goes first, so it must be copied before a painter takes the image.
    const int cutLeft = drawPicture(face, input, textWidth);
    if (input.caption.isEmpty())
        return;

    const int pictureCount = std::max(input.pictures, 1);
    const double frameWidth = double(input.picture.width()) / pictureCount;
    const int left = input.picture.isNull() ? 3 : roundHalfEven(frameWidth + 8 - cutLeft);
    const int top = roundHalfEven((h - textHeight) / 2.0);
    const int right = w - 3;
    const int bottom = roundHalfEven((h + textHeight) / 2.0);
    if (right <= left || bottom <= top)
        return;

    // A picture cut off on the left leaves no room to centre in: the caption then starts
    // right after the visible part of the picture.
    const int alignment = cutLeft > 0 ? Qt::AlignLeft : Qt::AlignHCenter;
    QPainter painter(&face);
    painter.setFont(input.font);
    painter.setPen(QColor(input.enabled ? input.foreColor : kDisabledTextColor));
    painter.drawText(QRect(left, top, right - left, bottom - top), Qt::TextWordWrap | Qt::AlignTop | alignment,
                     input.caption);
}

namespace {

// Copies a w x h block of the premultiplied strip from (sourceX, sourceY) to (targetX, targetY)
// on the face. Pixels of the mask colour stay out when masking; see-through pixels of a
// picture with an alpha channel are blended over the face.
void copyBlock(QImage &face, const QImage &strip, int sourceX, int sourceY, int w, int h, int targetX, int targetY,
               bool useMask, QRgb mask)
{
    const QRgb maskRgb = mask & 0x00ffffffu;
    for (int row = 0; row < h; ++row) {
        const int sy = sourceY + row;
        const int ty = targetY + row;
        if (sy < 0 || sy >= strip.height() || ty < 0 || ty >= face.height())
            continue;
        const auto *source = reinterpret_cast<const QRgb *>(strip.constScanLine(sy));
        auto *target = reinterpret_cast<QRgb *>(face.scanLine(ty));
        for (int column = 0; column < w; ++column) {
            const int sx = sourceX + column;
            const int tx = targetX + column;
            if (sx < 0 || sx >= strip.width() || tx < 0 || tx >= face.width())
                continue;
            const QRgb pixel = source[sx];
            const int alpha = qAlpha(pixel);
            if (alpha == 255) {
                if (!useMask || (pixel & 0x00ffffffu) != maskRgb)
                    target[tx] = pixel;
            } else if (alpha > 0) {
                const QRgb under = target[tx];
                const int keep = 255 - alpha;
                target[tx] = qRgb(qRed(pixel) + qRed(under) * keep / 255, qGreen(pixel) + qGreen(under) * keep / 255,
                                  qBlue(pixel) + qBlue(under) * keep / 255);
            }
        }
    }
}

} // namespace

int drawPicture(QImage &face, const FaceInput &input, int textWidth)
{
    if (input.picture.isNull())
        return 0;
    const int w = face.width();
    const int h = face.height();
    // A strip that claims no frames is shown as a single picture.
    const int pictureCount = std::max(input.pictures, 1);
    const double frameWidth = double(input.picture.width()) / pictureCount;
    const int pictureHeight = input.picture.height();

    double x = input.caption.isEmpty() ? (w - frameWidth) / 2.0 : (w - textWidth - frameWidth - 5) / 2.0;
    int y = roundHalfEven((h - pictureHeight) / 2.0);
    if (input.pressed) {
        x += input.pictureOffset;
        y += input.pictureOffset;
    }

    // Keep the picture inside the three-pixel frame of the face.
    double cutRight = 0;
    if (x + frameWidth > w - 3)
        cutRight = (w - 3) - x - frameWidth;
    double cutLeft = 0;
    if (x < 3) {
        cutLeft = 3 - x;
        x = 3;
    }
    int cutBottom = 0;
    if (y + pictureHeight > h - 3)
        cutBottom = (h - 3) - y - pictureHeight;
    int cutTop = 0;
    if (y < 3) {
        cutTop = 3 - y;
        y = 3;
    }

    int frame = 0;
    if (input.pictures > 1 && !input.enabled)
        frame = 1;
    if (input.pictures == 3 && input.enabled && input.pressed)
        frame = 2;

    const int sourceX = roundHalfEven(frameWidth * frame + cutLeft);
    const int copyWidth = roundHalfEven(frameWidth - cutLeft + cutRight);
    const int copyHeight = pictureHeight - cutTop + cutBottom;
    if (copyWidth > 0 && copyHeight > 0)
        copyBlock(face, input.picture, sourceX, cutTop, copyWidth, copyHeight, roundHalfEven(x), y, input.useMaskColor,
                  input.maskColor);
    return roundHalfEven(cutLeft);
}

} // namespace widgets::face
