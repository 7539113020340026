#pragma once

#include <Qt>

class QKeyEvent;

namespace widgets {

// The numbers in which the button reports keys and mouse buttons to its container.

// Key code of the key: the letter keys are 65..90 for A..Z, the digit keys 48..57,
// 13 Enter, 27 Escape, 32 space, 37..40 the arrow keys, 112.. F1 and up. 0 for keys
// without a code.
int keyCodeOf(const QKeyEvent &event);

// Character code of the typed character (1..255), or 0 when the key types nothing.
// Characters outside that range arrive as "?" (63).
int keyAsciiOf(const QKeyEvent &event);

// Shift state: 1 Shift, 2 Ctrl, 4 Alt, added together.
int shiftStateOf(Qt::KeyboardModifiers modifiers);

// Mouse buttons: 1 left, 2 right, 4 middle, added together for several.
int mouseButtonCode(Qt::MouseButtons buttons);

} // namespace widgets
