#pragma once

#include <optional>
#include <string>

namespace core {

// Reads a whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> readFile(const std::string &path);

// Writes bytes to a temporary file beside path and renames it over path, so the old
// file stays whole when anything fails (read-only folder, full disk). On failure the
// reason is put in *error (when given) and false is returned.
bool writeFileAtomically(const std::string &path, const std::string &bytes, std::string *error = nullptr);

} // namespace core
