#pragma once

namespace ui {

// Sets up the application (fonts, pointer, program folder), shows the main window and
// runs the event loop until the operator has confirmed the exit.
int startProgramma(int argc, char **argv);

} // namespace ui
