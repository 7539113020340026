#pragma once

#include <string>

namespace core {

// The folders the word lists are read from: the operator's own, where edited lists are saved,
// and the one with the lists shipped with the program. A list is read from the operator's
// folder when it is there, else from the shipped one. Beside the program both are one folder.
struct LijstMappen {
    LijstMappen(std::string map)
        : eigen(map)
        , meegeleverd(std::move(map))
    {}
    LijstMappen(const char *map)
        : LijstMappen(std::string(map))
    {}
    LijstMappen(std::string eigenMap, std::string meegeleverdeMap)
        : eigen(std::move(eigenMap))
        , meegeleverd(std::move(meegeleverdeMap))
    {}

    // The file of that name in the operator's folder when it is there, else in the shipped one.
    std::string pad(const std::string &bestand) const;

    std::string eigen;
    std::string meegeleverd;
};

} // namespace core
