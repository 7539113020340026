#pragma once

#include <QCursor>

namespace ui {

// The screen-wide mouse pointer: the hourglass during long work (a draw, the quiz
// letters, word checking, printing), else the program's own pointer.
QCursor eigenAanwijzer();

// Shows the busy pointer over every window of the program until the guard goes out of scope.
class BezigAanwijzer
{
public:
    BezigAanwijzer();
    ~BezigAanwijzer();
    BezigAanwijzer(const BezigAanwijzer &) = delete;
    BezigAanwijzer &operator=(const BezigAanwijzer &) = delete;
};

bool toontBezigAanwijzer();

} // namespace ui
