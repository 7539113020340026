#pragma once

#include <optional>

namespace ui {

// The program's modes without a window, for the operator's scripts and for tests:
//   --kaarten uniek|random|breed|4x4 --paginas N --pdf FILE [--middenstuk]
//       writes N card sheets, each with its code, to one PDF file and exits 0;
//   --kaart CODE NUMMER
//       prints the rows of card NUMMER of the sheet with that code, top to bottom, the
//       letters separated by blanks (every cell, Free ones too), and exits 0;
//   --help lists the modes.
// A wrong code or card number, or a file that cannot be written, is told in Dutch on standard
// error with exit code 1; wrong arguments give the usage and exit code 2. Without any of
// these options nothing happens here (nullopt) and the program starts as usual.
std::optional<int> voerOpdrachtregelUit(int argc, char **argv);

} // namespace ui
