#pragma once

namespace ui {

class Main;

// Opens `AfdrukForm` modally over the main window.
void toonAfdrukForm(Main &main);

} // namespace ui
