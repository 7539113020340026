#pragma once

namespace ui {

class Main;

// Opens `ConfigForm` modally over the main window.
void toonConfigForm(Main &main);

} // namespace ui
