#pragma once

namespace widgets {

// The five looks of a VistaButton; the numbers are the ones the button's colour table and
// its callers use.
enum class ButtonState {
    Normal = 0,
    MouseOver = 1,
    Pressed = 2,
    Focused = 3,
    Disabled = 4,
};

} // namespace widgets
