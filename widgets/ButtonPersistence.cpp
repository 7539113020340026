#include "widgets/ButtonPersistence.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace widgets {

namespace {

const QString kCaption = QStringLiteral("Caption");
const QString kForeColor = QStringLiteral("ForeColor");
const QString kFont = QStringLiteral("Font");
const QString kPicture = QStringLiteral("Picture");
const QString kPictures = QStringLiteral("Pictures");
const QString kUseMaskColor = QStringLiteral("UseMaskColor");
const QString kMaskColor = QStringLiteral("MaskColor");
const QString kEnabled = QStringLiteral("Enabled");
const QString kNoBackground = QStringLiteral("NoBackground");
const QString kBackColor = QStringLiteral("BackColor");
const QString kPictureOffset = QStringLiteral("PictureOffset");

// System colour numbers that have a counterpart in the palette.
QColor systemColor(quint32 index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 5:
        return palette.color(QPalette::Base); // window background
    case 8:
        return palette.color(QPalette::Text); // window text
    case 18:
        return palette.color(QPalette::ButtonText); // button text
    default:
        return palette.color(QPalette::Button); // 15, button face, and the rest
    }
}

qint16 readShort(const PropertyBag &bag, const QString &name)
{
    const int value = bag.readProperty(name, 0).toInt();
    return qint16(std::clamp(value, -32768, 32767));
}

qint32 readLong(const PropertyBag &bag, const QString &name, qint32 missing)
{
    const QVariant value = bag.readProperty(name);
    return value.isValid() ? qint32(value.toLongLong()) : missing;
}

} // namespace

qint32 storedColor(const QColor &color)
{
    const QRgb rgb = color.rgb();
    return qint32(quint32(qRed(rgb)) | quint32(qGreen(rgb)) << 8 | quint32(qBlue(rgb)) << 16);
}

QColor colorFromStored(qint32 value)
{
    const auto bits = quint32(value);
    if (bits & 0x80000000u)
        return systemColor(bits & 0x00ffffffu);
    return QColor(int(bits & 0xff), int(bits >> 8 & 0xff), int(bits >> 16 & 0xff));
}

void writeButtonSettings(PropertyBag &bag, const ButtonSettings &settings)
{
    bag.writeProperty(kCaption, settings.caption);
    bag.writeProperty(kForeColor, storedColor(settings.foreColor));
    bag.writeProperty(kFont, settings.font);
    bag.writeProperty(kPicture, settings.picture);
    bag.writeProperty(kPictures, QVariant::fromValue(settings.pictures));
    bag.writeProperty(kUseMaskColor, settings.useMaskColor);
    bag.writeProperty(kMaskColor, storedColor(settings.maskColor));
    bag.writeProperty(kEnabled, settings.enabled);
    bag.writeProperty(kNoBackground, settings.noBackground);
    bag.writeProperty(kBackColor, storedColor(settings.backColor));
    bag.writeProperty(kPictureOffset, QVariant::fromValue(settings.pictureOffset));
}

ButtonSettings readButtonSettings(const PropertyBag &bag, const QFont &currentFont)
{
    ButtonSettings settings;
    settings.caption = bag.readProperty(kCaption, QString()).toString();
    settings.foreColor = colorFromStored(readLong(bag, kForeColor, 0));
    settings.font = bag.readProperty(kFont, currentFont).value<QFont>();
    settings.picture = bag.readProperty(kPicture, QImage()).value<QImage>();
    settings.pictures = readShort(bag, kPictures);
    settings.useMaskColor = bag.readProperty(kUseMaskColor, false).toBool();
    settings.maskColor = colorFromStored(readLong(bag, kMaskColor, 0));
    settings.enabled = bag.readProperty(kEnabled, false).toBool();
    settings.noBackground = bag.readProperty(kNoBackground, false).toBool();
    settings.backColor = colorFromStored(readLong(bag, kBackColor, qint32(kSystemButtonFace)));
    settings.pictureOffset = readShort(bag, kPictureOffset);
    return settings;
}

} // namespace widgets
