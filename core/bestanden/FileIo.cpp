#include "core/bestanden/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

std::optional<std::string> readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return content.str();
}

bool writeFileAtomically(const std::string &path, const std::string &bytes, std::string *error)
{
    const auto fail = [&](int code) {
        if (error)
            *error = std::strerror(code);
        return false;
    };

    std::vector<char> tempName(path.begin(), path.end());
    const std::string suffix = ".tmp-XXXXXX";
    tempName.insert(tempName.end(), suffix.begin(), suffix.end());
    tempName.push_back('\0');

    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return fail(errno);

    const char *data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            const int code = errno;
            ::close(fd);
            ::unlink(tempName.data());
            return fail(code);
        }
        data += written;
        left -= std::size_t(written);
    }
    // mkstemp creates the file readable by its owner only; give it the usual rights.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    const bool synced = ::fsync(fd) == 0;
    const int syncError = errno;
    const bool closed = ::close(fd) == 0;
    if (!synced || !closed) {
        const int code = synced ? errno : syncError;
        ::unlink(tempName.data());
        return fail(code);
    }
    if (::rename(tempName.data(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(tempName.data());
        return fail(code);
    }
    return true;
}

} // namespace core
