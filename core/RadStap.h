#pragma once

#include <vector>

namespace core {

// One place on a wheel: where the pointer ends (wheel pixels, centre at 300, 300) and the
// letter printed there.
struct RadPositie {
    int x = 0;
    int y = 0;
    char letter = 'A';
};

// One step of a wheel animation: the pointer moves to positie and the wheel label shows
// its letter; then the window waits wacht seconds before the next step.
struct RadStap {
    int positie = 1; // 1-based row of the wheel's table
    RadPositie punt;
    double wacht = 0.0;
};

// How long a run of steps takes when replayed.
double totaleWachttijd(const std::vector<RadStap> &stappen);

} // namespace core
