#pragma once

#include <optional>
#include <string>

namespace core {

// Why a file could not be read.
struct ReadFailure {
    enum class Kind {
        Missing,    // neither the file nor a folder on its path exists
        NotAFile,   // a folder, a device or a pipe stands at the path
        Unreadable, // no permission, a read error, or too large
    };
    Kind kind = Kind::Missing;
    std::string reason; // in Dutch, for a message
};

// Larger files are not read: every file of the program is far smaller.
inline constexpr long long MaxFileSize = 64LL * 1024 * 1024;

// Reads a whole regular file as bytes; nullopt, with the reason in *failure when given,
// when it is missing, is not a regular file or cannot be read.
std::optional<std::string> readFile(const std::string &path, ReadFailure *failure = nullptr);

// Writes bytes to a temporary file beside the file and renames it over the file, so the
// old file stays whole when anything fails (read-only folder, full disk), and fsyncs the
// folder afterwards so the new version survives a power cut. A symbolic link is followed
// and its target replaced; the target's mode, and its owner where the user may set it,
// are kept. On failure the reason (in Dutch) is put in *error (when given) and false is
// returned.
bool writeFileAtomically(const std::string &path, const std::string &bytes, std::string *error = nullptr);

// The temporary files an interrupted save leaves beside its file: "<name>.tmp-XXXXXX".
bool isTemporarySaveFile(const std::string &fileName);

// Removes the temporary files of interrupted saves of the program's own files (".ini",
// ".lib", ".lst", ".nieuw") in folder; returns how many were removed.
int removeStaleTemporaryFiles(const std::string &folder);

} // namespace core
