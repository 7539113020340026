#pragma once

namespace ui {

class Main;

// Opens `AboutForm` modally over the main window.
void toonAboutForm(Main &main);

} // namespace ui
