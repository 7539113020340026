// Keeping the button's settings with the window layout and reading them back.
#include "widgets/ButtonPersistence.h"
#include "widgets/PropertyBag.h"
#include "widgets/VistaButton.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

using namespace widgets;

namespace {

QImage redIcon()
{
    QImage icon(40, 20, QImage::Format_RGB32);
    icon.fill(QColor(0, 255, 0));
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x)
            icon.setPixel(x, y, qRgb(255, 0, 0));
    return icon;
}

} // namespace

TEST(ButtonPersistence, WritesEveryKeyInOrderWithItsType)
{
    VistaButton button(nullptr, QStringLiteral("Knop"));
    PropertyBag bag;
    button.writeProperties(bag);
    const QStringList expected = {"Caption",   "ForeColor", "Font",         "Picture",
                                  "Pictures",  "UseMaskColor", "MaskColor", "Enabled",
                                  "NoBackground", "BackColor", "PictureOffset"};
    EXPECT_EQ(bag.names(), expected);
    const std::pair<const char *, QMetaType::Type> types[] = {
        {"Caption", QMetaType::QString},    {"ForeColor", QMetaType::Int},
        {"Font", QMetaType::QFont},         {"Picture", QMetaType::QImage},
        {"Pictures", QMetaType::Short},     {"UseMaskColor", QMetaType::Bool},
        {"MaskColor", QMetaType::Int},      {"Enabled", QMetaType::Bool},
        {"NoBackground", QMetaType::Bool},  {"BackColor", QMetaType::Int},
        {"PictureOffset", QMetaType::Short},
    };
    for (const auto &[key, type] : types)
        EXPECT_EQ(bag.readProperty(QString::fromLatin1(key)).metaType().id(), int(type)) << key;
    // The picture key is written even without a picture.
    EXPECT_TRUE(bag.readProperty(QStringLiteral("Picture")).value<QImage>().isNull());
}

TEST(ButtonPersistence, ColoursAreStoredAsRedPlus256GreenPlus65536Blue)
{
    EXPECT_EQ(storedColor(QColor(1, 2, 3)), 1 + 256 * 2 + 65536 * 3);
    EXPECT_EQ(storedColor(QColor(0, 255, 0)), 65280);
    EXPECT_EQ(colorFromStored(65280), QColor(0, 255, 0));
    EXPECT_EQ(colorFromStored(1 + 256 * 2 + 65536 * 3), QColor(1, 2, 3));
    EXPECT_EQ(colorFromStored(qint32(kSystemButtonFace)), QGuiApplication::palette().color(QPalette::Button));
}

TEST(ButtonPersistence, RoundTripKeepsEverySetting)
{
    VistaButton original(nullptr, QStringLiteral("Knop"));
    original.resize(75, 25);
    original.setCaption(QStringLiteral("Opslaan"));
    original.setForeColor(QColor(10, 20, 30));
    original.setFont(QFont(QStringLiteral("Comic Sans MS"), 12, QFont::Bold));
    original.setPicture(redIcon());
    original.setPictures(1);
    original.setUseMaskColor(false);
    original.setMaskColor(QColor(255, 0, 255));
    original.setNoBackground(true);
    original.setBackColor(QColor(255, 255, 255));
    original.setPictureOffset(2);
    original.setEnabled(false);
    PropertyBag bag;
    original.writeProperties(bag);

    VistaButton copy;
    copy.resize(75, 25);
    copy.readProperties(bag);
    EXPECT_EQ(copy.caption(), QStringLiteral("Opslaan"));
    EXPECT_EQ(copy.foreColor(), QColor(10, 20, 30));
    EXPECT_EQ(copy.font(), original.font());
    EXPECT_EQ(copy.picture(), original.picture());
    EXPECT_EQ(copy.pictures(), 1);
    EXPECT_FALSE(copy.useMaskColor());
    EXPECT_EQ(copy.maskColor(), QColor(255, 0, 255));
    EXPECT_TRUE(copy.noBackground());
    EXPECT_EQ(copy.backColor(), QColor(255, 255, 255));
    EXPECT_EQ(copy.pictureOffset(), 2);
    EXPECT_FALSE(copy.isEnabled());
    EXPECT_EQ(copy.buttonState(), ButtonState::Disabled);
    EXPECT_FALSE(copy.focusPolicy() & Qt::TabFocus) << "a disabled button is no tab stop";
    EXPECT_TRUE(copy.face() == original.face());
}

TEST(ButtonPersistence, MissingKeysGiveTheStoredButtonDefaults)
{
    VistaButton button(nullptr, QStringLiteral("Knop"));
    button.setPicture(redIcon());
    const QFont fontBefore = button.font();
    button.readProperties(PropertyBag());
    EXPECT_EQ(button.caption(), QString());
    EXPECT_EQ(button.foreColor(), QColor(0, 0, 0));
    EXPECT_EQ(button.font(), fontBefore);
    EXPECT_TRUE(button.picture().isNull());
    EXPECT_EQ(button.pictures(), 0);
    EXPECT_FALSE(button.useMaskColor());
    EXPECT_EQ(button.maskColor(), QColor(0, 0, 0));
    EXPECT_FALSE(button.isEnabled());
    EXPECT_EQ(button.buttonState(), ButtonState::Disabled);
    EXPECT_FALSE(button.noBackground());
    EXPECT_EQ(button.backColor(), QGuiApplication::palette().color(QPalette::Button));
    EXPECT_EQ(button.pictureOffset(), 0);
}

// Reading takes the stored numbers as they are, without the checks of the property writes.
TEST(ButtonPersistence, ReadingKeepsAStoredPicturesOfThree)
{
    PropertyBag bag;
    VistaButton button;
    button.writeProperties(bag);
    bag.writeProperty(QStringLiteral("Pictures"), QVariant::fromValue(qint16(3)));
    button.readProperties(bag);
    EXPECT_EQ(button.pictures(), 3);
    button.setPictures(3);
    EXPECT_EQ(button.pictures(), 2);
}

TEST(ButtonPersistence, ReadingAnEnabledButtonKeepsItsState)
{
    VistaButton button;
    button.setEnabled(false);
    PropertyBag bag;
    VistaButton stored;
    stored.writeProperties(bag);
    button.readProperties(bag);
    EXPECT_TRUE(button.isEnabled());
    EXPECT_TRUE(button.focusPolicy() & Qt::TabFocus) << "the tab stop comes back";
}
