// Draws sample buttons in all five states to PNG files, so the look of the button can be
// checked without running the program.
//
// Usage: button_samples <folder>      (the repository keeps them in docs/buttons)
// Writes, each as a row of the states normal, mouse over, pressed, focused, disabled:
//   caption.png        a dialog button with a caption only
//   icon.png           a menu-bar button with an icon on the green that is left out
//   icon-caption.png   a small icon beside a caption
//   strip-disabled.png a two-frame strip whose right half is the disabled picture
// and the same enlarged four times (…-x4.png) to show single pixels.

#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QDir>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

const QColor kMaskGreen(0, 255, 0);

// A round red plate with a white letter, on mask green.
QImage letterIcon(int size, const QString &letter, const QColor &plate)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kMaskGreen);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false); // no green-tinted edge pixels
    painter.setPen(Qt::NoPen);
    painter.setBrush(plate);
    const int margin = size / 8;
    painter.drawEllipse(margin, margin, size - 2 * margin, size - 2 * margin);
    painter.setPen(Qt::white);
    painter.setFont(widgets::designFont(QStringLiteral("Arial"), size * 0.4, true));
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, letter);
    return image;
}

// Frame 0 in colour, frame 1 the same in greys for the disabled button.
QImage twoFrameStrip(int size)
{
    const QImage normal = letterIcon(size, QStringLiteral("S"), QColor(30, 120, 200));
    QImage grey = letterIcon(size, QStringLiteral("S"), QColor(150, 150, 150));
    QImage strip(size * 2, size, QImage::Format_RGB32);
    QPainter painter(&strip);
    painter.drawImage(0, 0, normal);
    painter.drawImage(size, 0, grey);
    return strip;
}

void send(QWidget &target, QEvent &event) { QApplication::sendEvent(&target, &event); }

// The button's face in each state, reached the way a user would reach it.
std::vector<QImage> facesOf(widgets::VistaButton &button)
{
    std::vector<QImage> faces;
    QWidget *under = nullptr;
    button.setWidgetUnderCursor([&under] { return under; });
    const QPointF middle(button.width() / 2.0, button.height() / 2.0);
    const QPointF global = button.mapToGlobal(middle);

    faces.push_back(button.face().copy());
    under = &button;
    QMouseEvent move(QEvent::MouseMove, middle, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    send(button, move);
    faces.push_back(button.face().copy());
    QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    send(button, press);
    faces.push_back(button.face().copy());
    under = nullptr;
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-10, -10), global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    send(button, release);
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    send(button, focus);
    faces.push_back(button.face().copy());
    button.setEnabled(false);
    faces.push_back(button.face().copy());
    return faces;
}

QImage row(const std::vector<QImage> &faces)
{
    constexpr int kGap = 8;
    int width = kGap;
    int height = 0;
    for (const QImage &face : faces) {
        width += face.width() + kGap;
        height = std::max(height, face.height());
    }
    QImage image(width, height + 2 * kGap, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 255));
    QPainter painter(&image);
    int x = kGap;
    for (const QImage &face : faces) {
        painter.drawImage(x, kGap, face);
        x += face.width() + kGap;
    }
    return image;
}

bool save(const QDir &folder, const QString &name, const std::vector<QImage> &faces)
{
    const QImage image = row(faces);
    const QImage enlarged = image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const bool ok = image.save(folder.filePath(name + QStringLiteral(".png")))
        && enlarged.save(folder.filePath(name + QStringLiteral("-x4.png")));
    std::printf("%s %s\n", ok ? "written" : "NOT WRITTEN", qPrintable(folder.filePath(name + QStringLiteral(".png"))));
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // no window is ever shown
    QApplication app(argc, argv);
    widgets::installFontSubstitutions();

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    {
        widgets::VistaButton button(nullptr, QStringLiteral("CancelKnop"));
        button.resize(66, 24);
        button.setCaption(QStringLiteral("Annuleren"));
        button.setBackColor(Qt::white);
        ok &= save(folder, QStringLiteral("caption"), facesOf(button));
    }
    {
        widgets::VistaButton button(nullptr, QStringLiteral("Knop"));
        button.resize(56, 56);
        button.setCaption(QString());
        button.setPicture(letterIcon(40, QStringLiteral("A"), QColor(200, 40, 40)));
        button.setPictures(1);
        button.setPictureOffset(1);
        ok &= save(folder, QStringLiteral("icon"), facesOf(button));
    }
    {
        widgets::VistaButton button(nullptr, QStringLiteral("OpslaanKnop"));
        button.resize(90, 28);
        button.setCaption(QStringLiteral("Opslaan"));
        button.setPicture(letterIcon(16, QStringLiteral("S"), QColor(30, 140, 60)));
        button.setPictures(1);
        button.setPictureOffset(1);
        ok &= save(folder, QStringLiteral("icon-caption"), facesOf(button));
    }
    {
        widgets::VistaButton button(nullptr, QStringLiteral("StartKnop"));
        button.resize(90, 32);
        button.setCaption(QStringLiteral("Start"));
        button.setPicture(twoFrameStrip(20));
        button.setPictures(2);
        ok &= save(folder, QStringLiteral("strip-disabled"), facesOf(button));
    }
    return ok ? 0 : 1;
}
