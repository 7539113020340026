#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <system_error>

namespace fs = std::filesystem;

// The bytes of a file; nothing for a folder or a missing file.
inline std::string lees(const fs::path &pad)
{
    std::ifstream in(pad, std::ios::binary);
    return fs::is_regular_file(pad) ? std::string(std::istreambuf_iterator<char>(in), {}) : "";
}
inline void schrijf(const fs::path &pad, const std::string &bytes) { std::ofstream(pad, std::ios::binary) << bytes; }

// A fresh folder, removed with everything in it; in memory where asked and the system has one.
struct TempDir {
    explicit TempDir(bool inMemory = false)
        : pad((inMemory && fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path())
              / ("alfabo-test-" + std::to_string(std::random_device()())))
    {
        fs::create_directories(pad);
    }
    ~TempDir() { fs::remove_all(pad, fout); }
    std::string file(const std::string &naam) const { return (pad / naam).string(); }
    long count() const { return std::distance(fs::directory_iterator(pad), {}); }
    const fs::path pad;
    std::error_code fout;
};
