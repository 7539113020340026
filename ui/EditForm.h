#pragma once

namespace ui {

class Main;

// Opens `EditForm` modally over the main window.
void toonEditForm(Main &main);

} // namespace ui
