#pragma once

namespace ui {

class Main;

// Opens `SoortForm` modally over the main window.
void toonSoortForm(Main &main);

} // namespace ui
