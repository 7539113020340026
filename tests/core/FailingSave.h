#pragma once

#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

// Saves over an existing file in ways that fail even when the tests run as root (where a
// read-only folder does not stop a write), and checks that each failure is reported and
// leaves the old file whole with nothing else left behind. save(path, error) must write
// more than a few bytes.
inline void expectFailedSavesKeepTheOldFile(const std::function<bool(const std::string &, std::string *)> &save)
{
    const std::string old = "\"oude\"\r\n\"inhoud\"\r\n";

    struct Way {
        const char *name;
        std::string file;
        rlim_t sizeLimit; // 0: none
        bool readOnlyFolder;
    };
    const Way ways[] = {
        // The longest name a file may have leaves no room for the temporary file beside it.
        {"no room for the temporary name", std::string(250, 'x'), 0, false},
        // Like a disk that fills up halfway through the new file.
        {"disk full", "lijst.lst", 8, false},
        {"read-only folder", "lijst.lst", 0, true},
    };

    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        if (way.readOnlyFolder && ::geteuid() == 0)
            continue; // root writes into read-only folders
        TempDir dir;
        dir.write(way.file, old);
        ASSERT_EQ(dir.read(way.file), old);

        rlimit previous{};
        void (*previousHandler)(int) = SIG_DFL;
        if (way.sizeLimit) {
            getrlimit(RLIMIT_FSIZE, &previous);
            previousHandler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails
            rlimit limit = previous;
            limit.rlim_cur = way.sizeLimit;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (way.readOnlyFolder)
            std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);

        std::string error;
        const bool saved = save(dir.file(way.file), &error);

        if (way.sizeLimit) {
            setrlimit(RLIMIT_FSIZE, &previous);
            std::signal(SIGXFSZ, previousHandler);
        }
        if (way.readOnlyFolder)
            std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);

        EXPECT_FALSE(saved);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(dir.read(way.file), old);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1)
            << "the temporary file was left behind";
    }
}
