// The button's behaviour: signals and states under the mouse, the keyboard, focus, hover polling
// and dragging; its tab stop; writing its settings and keeping them in a property bag.
#include "widgets/VistaButton.h"

#include "widgets/ButtonPersistence.h"
#include "widgets/Fonts.h"

#include <QDialog>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace widgets;

namespace {

QString text(auto value) { return QString::number(value); }
QString text(const QMimeData *data) { return data ? "data" : "none"; }

QVariant stored(const VistaButton &button, const char *key)
{
    PropertyBag bag;
    button.writeProperties(bag);
    return bag.readProperty(key);
}

// Plays `script` on a fresh 100 x 30 button in a dialog, with a scripted mouse over nothing at first,
// and gives the signals raised, as "Name(arguments)", and the dialog's rejection. Steps, with "@x,y"
// where a place matters and "+RMSCA" for the right or middle mouse button and Shift, Ctrl, Alt: in
// (the mouse comes over the button there), out (it goes), drag (moves holding the button), down, up,
// dbl, space, spaceup, rep (the keyboard repeats the held space bar), key:NAME (typed), focus, blur,
// enabled:on|off, window:on|off (the dialog), trap (Click disables the button), wait (until the
// polling ends), idle (30 ms), dragin, dragmove, dragleave, drop; =STATE checks the state,
// =Tab:on|off the tab stop, =Own:on|off the button's own Enabled setting.
QString play(const QString &script)
{
    QStringList log;
    QDialog dialog;
    auto &button = *new VistaButton(&dialog); // 100 x 30, as a new child widget is
    button.setAcceptDrops(true);
    QWidget *under = nullptr;
    button.setWidgetUnderCursor([&under] { return under; });
#define LOG(signal)                                                                                                    \
    QObject::connect(&button, &VistaButton::signal, [&log](auto... a) {                                                \
        log << #signal + (sizeof...(a) ? "(" + QStringList{text(a)...}.join(',') + ")" : QString());                   \
    })
    LOG(Click), LOG(MouseIn), LOG(MouseOut), LOG(MouseDown), LOG(MouseMove), LOG(MouseUp), LOG(KeyDown);
    LOG(KeyPress), LOG(KeyUp), LOG(OLEDragOver), LOG(OLEDragDrop);
    QObject::connect(&dialog, &QDialog::rejected, [&log] { log << "Rejected"; });
    QMimeData data;
    static const QRegularExpression form(R"(^([=\w]+)(?::(\w+))?(?:@(-?\d+),(-?\d+))?(?:\+(\w*))?$)");
    for (const QString &step : script.split(' ')) {
        const auto part = form.match(step);
        const QPoint at(part.captured(3).toInt(), part.captured(4).toInt());
        const auto held = [&](char letter) { return part.captured(5).contains(QLatin1Char(letter)); };
        const bool on = part.captured(2) == "on";
        const auto mods = Qt::KeyboardModifiers::fromInt(held('S') * Qt::ShiftModifier | held('C') * Qt::ControlModifier
                                                         | held('A') * Qt::AltModifier);
        const Qt::MouseButton mb = held('R') ? Qt::RightButton : held('M') ? Qt::MiddleButton : Qt::LeftButton;
        const auto send = [&](QEvent &&event) { QApplication::sendEvent(&button, &event); };
        const auto mouse = [&](auto type, auto b, auto bs) { send(QMouseEvent(type, at, at, b, bs, mods)); };
        const auto space = [&](auto type, bool rep) { send(QKeyEvent(type, Qt::Key_Space, {}, " ", rep)); };
        std::map<QString, std::function<void()>> steps = {
            {"in", [&] { under = &button, mouse(QEvent::MouseMove, Qt::NoButton, Qt::NoButton); }},
            {"out", [&] { under = nullptr; }},
            {"drag", [&] { mouse(QEvent::MouseMove, Qt::NoButton, mb); }},
            {"down", [&] { mouse(QEvent::MouseButtonPress, mb, mb); }},
            {"dbl", [&] { mouse(QEvent::MouseButtonDblClick, mb, mb); }},
            {"up", [&] { mouse(QEvent::MouseButtonRelease, mb, Qt::NoButton); }},
            {"space", [&] { space(QEvent::KeyPress, false); }},
            {"spaceup", [&] { space(QEvent::KeyRelease, false); }},
            {"rep", [&] { space(QEvent::KeyRelease, true), space(QEvent::KeyPress, true); }},
            {"key", [&] { QTest::keyClick(&button, QKeySequence(part.captured(2))[0].key(), mods); }},
            {"focus", [&] { send(QFocusEvent(QEvent::FocusIn)); }},
            {"blur", [&] { send(QFocusEvent(QEvent::FocusOut)); }},
            {"enabled", [&] { button.setEnabled(on); }},
            {"window", [&] { dialog.setEnabled(on); }},
            {"trap", [&] { QObject::connect(&button, &VistaButton::Click, [&] { button.setEnabled(false); }); }},
            {"wait", [&] { EXPECT_TRUE(QTest::qWaitFor([&] { return !button.isHovering(); }, 1000)); }},
            {"idle", [&] { QTest::qWait(30); }},
            {"dragleave", [&] { send(QDragLeaveEvent()); }},
            {"dragin", [&] { send(QDragEnterEvent(at, Qt::CopyAction | Qt::MoveAction, &data, mb, mods)); }},
            {"dragmove", [&] { send(QDragMoveEvent(at, Qt::CopyAction, &data, mb, mods)); }},
            {"drop", [&] { send(QDropEvent(at, Qt::CopyAction, &data, mb, mods)); }},
            {"=Tab", [&] { EXPECT_EQ(bool(button.focusPolicy() & Qt::TabFocus), on); }},
            {"=Own", [&] { EXPECT_EQ(stored(button, "Enabled").toBool(), on); }}};
        for (int i = 0; const QString name : {"=Normal", "=MouseOver", "=Pressed", "=Focused", "=Disabled"})
            steps[name] = [&, i = i++] { EXPECT_EQ(int(button.buttonState()), i) << step.toStdString(); };
        steps.at(part.captured(1))();
    }
    return log.join(' ');
}

// One setting: a write that changes it, its value then as stored, what a new button "Knop" stores
// and what a missing key gives (for the font, invalid: the reader's own font stays).
struct Setting {
    const char *key;
    std::function<void(VistaButton &)> write;
    QVariant value, fresh, missing;
};

std::vector<Setting> settingsTable()
{
    QImage icon(40, 16, QImage::Format_Indexed8); // pictures of any pixel format are taken
    icon.setColorTable({qRgb(255, 0, 0)});
    icon.fill(0);
    const auto s16 = [](int value) { return QVariant::fromValue(qint16(value)); }; // stored as 16 bits
    const QVariant on = true, off = false, face = storedColor(QGuiApplication::palette().button().color());
    const QFont font("Comic Sans MS", 12, QFont::Bold);
    // Colours are stored as red + 256 x green + 65536 x blue.
    return {{"Caption", [](auto &b) { b.setCaption("Opslaan"); }, QString("Opslaan"), QString("Knop"), QString()},
            {"ForeColor", [](auto &b) { b.setForeColor(QColor(10, 20, 30)); }, 10 + 256 * 20 + 65536 * 30, 0, 0},
            {"Font", [=](auto &b) { b.setFont(font); }, font, designFont("Arial", 8.25), {}},
            {"Picture", [=](auto &b) { b.setPicture(icon); }, icon, QImage(), QImage()},
            {"Pictures", [](auto &b) { b.setPictures(-7); }, s16(1), s16(2), s16(0)}, // below 0 is 1
            {"UseMaskColor", [](auto &b) { b.setUseMaskColor(false); }, off, on, off},
            {"MaskColor", [](auto &b) { b.setMaskColor(Qt::red); }, 255, 256 * 255, 0},
            {"Enabled", [](auto &b) { b.setEnabled(false); }, off, on, off},
            {"NoBackground", [](auto &b) { b.setNoBackground(true); }, on, off, off},
            {"BackColor", [](auto &b) { b.setBackColor(QColor(1, 2, 3)); }, 1 + 256 * 2 + 65536 * 3, face, face},
            {"PictureOffset", [](auto &b) { b.setPictureOffset(-2); }, s16(-2), s16(0), s16(0)}};
}

} // namespace

TEST(ButtonEvents, SignalsAndStatesFollowTheInput)
{
    const struct {
        const char *script, *raised;
    } cases[] = {// A click; the mouse buttons and Shift, Ctrl, Alt are reported, and only the left button clicks.
                 {"in@10,10 =MouseOver down@12,11 =Pressed up@12,11 =MouseOver down@5,6+RSC =Pressed up@5,6+RA "
                  "down@5,6+M up@5,6+M",
                  "MouseMove(0,0,10,10) MouseIn MouseDown(1,0,12,11) MouseUp(1,0,12,11) Click "
                  "MouseDown(2,3,5,6) MouseUp(2,4,5,6) MouseDown(4,0,5,6) MouseUp(4,0,5,6)"},
                 // MouseOut exactly once after leaving; the look falls back to normal or focused.
                 {"in@3,3 idle =MouseOver out wait =Normal idle focus in@3,3+SC out wait =Focused",
                  "MouseMove(0,0,3,3) MouseIn MouseOut MouseMove(0,3,3,3) MouseIn MouseOut"},
                 // Dragging off gives no Click, and the look stays mouse-over till the release; dragging back
                 // on presses again.
                 {"in@10,10 down@10,10 out drag@120,10 =MouseOver wait =MouseOver up@120,10 =Normal down@9,9 drag@-5,9 "
                  "drag@9,9 =Pressed up@9,9",
                  "MouseMove(0,0,10,10) MouseIn MouseDown(1,0,10,10) MouseMove(1,0,120,10) "
                  "MouseOut MouseUp(1,0,120,10) MouseDown(1,0,9,9) MouseMove(1,0,-5,9) MouseMove(1,0,9,9) MouseIn "
                  "MouseUp(1,0,9,9) Click"},
                 // A double click is two clicks; a release on a cut-off corner is none.
                 {"down@9,9 up@9,9 dbl@9,9 up@9,9 down@9,9 up@0,0",
                  "MouseDown(1,0,9,9) MouseUp(1,0,9,9) Click "
                  "MouseDown(1,0,9,9) MouseUp(1,0,9,9) Click MouseDown(1,0,9,9) MouseUp(1,0,0,0)"},
                 // A held space bar presses and clicks once: MouseDown with button 0, and MouseUp at X = -1
                 // (not over the button).
                 {"focus space rep =Pressed spaceup =Focused",
                  "MouseDown(0,0,0,0) KeyDown(32,0) KeyPress(32) "
                  "KeyDown(32,0) KeyPress(32) MouseUp(0,0,-1,0) Click KeyUp(32,0)"},
                 // Other keys are only reported; Escape goes on to the dialog.
                 {"focus key:Return key:A key:F1+S key:Esc key:Left =Focused",
                  "KeyDown(13,0) KeyPress(13) KeyUp(13,0) "
                  "KeyDown(65,0) KeyPress(97) KeyUp(65,0) KeyDown(16,1) KeyDown(112,1) KeyUp(112,1) KeyUp(16,0) "
                  "KeyDown(27,0) KeyPress(27) Rejected KeyUp(27,0) KeyDown(37,0) KeyUp(37,0)"},
                 // Focus shows, unless the mouse is over the button.
                 {"focus =Focused blur =Normal in@3,3 focus =MouseOver blur =MouseOver", "MouseMove(0,0,3,3) MouseIn"},
                 // A disabled button raises nothing but the end of the polling; disabling forgets a press, and
                 // enabling shows normal even with the mouse over.
                 {"in@3,3 enabled:off out wait in@3,3 down@3,3 up@3,3 space spaceup focus blur =Disabled "
                  "enabled:on down@3,3 enabled:off enabled:on =Normal up@3,3",
                  "MouseMove(0,0,3,3) MouseIn MouseOut MouseDown(1,0,3,3) MouseUp(1,0,3,3)"},
                 // A Click handler that disables the button stops the rest.
                 {"trap space spaceup", "MouseDown(0,0,0,0) KeyDown(32,0) KeyPress(32) MouseUp(0,0,-1,0) Click"},
                 // A disabled button, by a write or by its window, leaves the tab order till enabled; only the
                 // window being disabled leaves the button's own setting on.
                 {"enabled:off =Disabled =Tab:off =Own:off enabled:on =Normal =Tab:on window:off =Disabled =Tab:off "
                  "=Own:on window:on =Normal =Tab:on",
                  ""},
                 // Dragging over and dropping; effects 1 copy, 2 move; states 0 entering, 1 leaving, 2 moving over.
                 {"dragin@5,5 dragleave dragin@5,5 dragmove@6,5+S drop@6,5",
                  "OLEDragOver(data,3,1,0,5,5,0) "
                  "OLEDragOver(none,0,0,0,0,0,1) OLEDragOver(data,3,1,0,5,5,0) OLEDragOver(data,1,1,1,6,5,2) "
                  "OLEDragDrop(data,1,1,0,6,5)"}};
    for (const auto &c : cases)
        EXPECT_EQ(play(c.script).toStdString(), c.raised) << c.script;
}

// A new button stores its defaults; every write but PictureOffset repaints at once and is stored,
// every key in order with its type, and read back as it was stored.
TEST(ButtonPersistence, WritesRepaintAndRoundTripEverySetting)
{
    VistaButton original(nullptr, "Knop"), copy;
    original.resize(60, 30); // caught up on by face() while hidden
    const std::vector<Setting> table = settingsTable();
    // The mask colour (red, as the picture) is written before masking is switched off, so both show.
    for (const int i : {0, 1, 2, 3, 4, 6, 5, 7, 8, 9, 10}) {
        const Setting &setting = table[i];
        EXPECT_EQ(stored(original, setting.key), setting.fresh) << setting.key;
        const QImage before = original.face().copy();
        setting.write(original);
        const QVariant value = stored(original, setting.key);
        EXPECT_EQ(original.face() == before, setting.key == std::string("PictureOffset")) << setting.key;
        EXPECT_TRUE(value == setting.value && value.metaType() == setting.value.metaType()) << setting.key;
    }
    original.show(); // painted, and asking where the real cursor is when it gets the focus
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&original));
    PropertyBag bag, written;
    original.writeProperties(bag);
    bag.writeProperty("Pictures", QVariant::fromValue(qint16(3))); // read as stored, though a write gives 2
    copy.readProperties(bag);
    copy.writeProperties(written);
    EXPECT_EQ(bag.names().size(), 11);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(bag.names().value(i), table[i].key) << "keys in their order";
        EXPECT_EQ(written.readProperty(table[i].key), bag.readProperty(table[i].key)) << table[i].key;
    }
    copy.setPictures(3);
    EXPECT_EQ(copy.pictures(), 2);
}

// A key missing from the bag gives its default, whatever the button had before.
TEST(ButtonPersistence, AMissingKeyGivesItsDefault)
{
    for (const Setting &row : settingsTable()) {
        PropertyBag bag;
        for (const Setting &other : settingsTable())
            bag.writeProperty(other.key, other.value == other.missing ? other.fresh : other.value);
        VistaButton button;
        button.readProperties(bag);
        const QFont ownFont = button.font();
        bag.remove(row.key);
        button.readProperties(bag);
        EXPECT_EQ(stored(button, row.key), row.missing.isValid() ? row.missing : ownFont) << row.key;
    }
}
