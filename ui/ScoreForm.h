#pragma once

namespace ui {

class Main;

// Opens `ScoreForm` modally over the main window.
void toonScoreForm(Main &main);

} // namespace ui
