#pragma once

#include <string>

namespace core {

// What a failed system call on a file means, in Dutch, for a message to the operator
// ("geen toegang", "de schijf is vol"); an unusual error code gets the system's own text.
std::string foutTekst(int errnoCode);

} // namespace core
