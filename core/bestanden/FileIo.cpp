#include "core/bestanden/FileIo.h"

#include "core/bestanden/FoutTekst.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <dirent.h>
#include <filesystem>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {
namespace {

constexpr std::string_view TempInfix = ".tmp-";
constexpr std::size_t TempRandomLength = 6; // the XXXXXX of mkstemp

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    // Closes now and reports whether the close succeeded.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

std::string notAFileReason(mode_t mode)
{
    return S_ISDIR(mode) ? "het is een map, geen bestand" : "het is geen gewoon bestand";
}

// The file a path finally names after following every symbolic link; a link whose
// target does not exist yet gives that target. nullopt (errno set) on a loop.
std::optional<std::string> followLinks(const std::string &path)
{
    std::filesystem::path current = path;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, ec)))
            return current.string();
        const std::filesystem::path target = std::filesystem::read_symlink(current, ec);
        if (ec) {
            errno = ec.value();
            return std::nullopt;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    errno = ELOOP;
    return std::nullopt;
}

bool writeAll(int fd, const std::string &bytes)
{
    const char *data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= std::size_t(written);
    }
    return true;
}

// The new file gets the old one's rights and, where the user may, its owner and group;
// a new file gets the usual rights (mkstemp creates it for its owner only).
void takeOverRights(int fd, const struct stat *old)
{
    if (!old) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        return;
    }
    if (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) {
        // Only root may give a file away; anyone may hand it to a group of their own. Where
        // neither is allowed, the new file stays the user's.
        if (::fchown(fd, old->st_uid, old->st_gid) != 0 && ::fchown(fd, uid_t(-1), old->st_gid) != 0) {}
    }
    ::fchmod(fd, old->st_mode & 07777);
}

void syncFolderOf(const std::string &path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace

std::optional<std::string> readFile(const std::string &path, ReadFailure *failure)
{
    const auto fail = [&](ReadFailure::Kind kind, std::string reason) -> std::optional<std::string> {
        if (failure)
            *failure = {kind, std::move(reason)};
        return std::nullopt;
    };
    // O_NONBLOCK: opening a pipe must not wait for a writer.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) {
        const int code = errno;
        return fail(code == ENOENT ? ReadFailure::Kind::Missing : ReadFailure::Kind::Unreadable, foutTekst(code));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return fail(ReadFailure::Kind::Unreadable, foutTekst(errno));
    if (!S_ISREG(info.st_mode))
        return fail(ReadFailure::Kind::NotAFile, notAFileReason(info.st_mode));
    if (info.st_size > MaxFileSize)
        return fail(ReadFailure::Kind::Unreadable, foutTekst(EFBIG));

    std::string content;
    content.reserve(std::size_t(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return fail(ReadFailure::Kind::Unreadable, foutTekst(errno));
        }
        if (count == 0)
            break;
        if (content.size() + std::size_t(count) > std::size_t(MaxFileSize))
            return fail(ReadFailure::Kind::Unreadable, foutTekst(EFBIG));
        content.append(buffer, std::size_t(count));
    }
    return content;
}

bool writeFileAtomically(const std::string &path, const std::string &bytes, std::string *error)
{
    const auto fail = [&](std::string reason) {
        if (error)
            *error = std::move(reason);
        return false;
    };

    const std::optional<std::string> target = followLinks(path);
    if (!target)
        return fail(foutTekst(errno));
    struct stat old {};
    const bool hadOld = ::stat(target->c_str(), &old) == 0;
    if (hadOld && !S_ISREG(old.st_mode))
        return fail(notAFileReason(old.st_mode));

    std::string tempName = *target + std::string(TempInfix) + std::string(TempRandomLength, 'X');
    FileDescriptor temp(::mkstemp(tempName.data()));
    if (temp.get() < 0)
        return fail(foutTekst(errno));
    const auto failAndRemove = [&](int code) {
        ::unlink(tempName.c_str());
        return fail(foutTekst(code));
    };

    if (!writeAll(temp.get(), bytes))
        return failAndRemove(errno);
    takeOverRights(temp.get(), hadOld ? &old : nullptr);
    if (::fsync(temp.get()) != 0)
        return failAndRemove(errno);
    if (!temp.close())
        return failAndRemove(errno);
    if (::rename(tempName.c_str(), target->c_str()) != 0)
        return failAndRemove(errno);
    syncFolderOf(*target);
    return true;
}

bool isTemporarySaveFile(const std::string &fileName)
{
    const std::size_t infix = fileName.rfind(TempInfix);
    if (infix == std::string::npos || infix == 0 || fileName.size() != infix + TempInfix.size() + TempRandomLength)
        return false;
    return std::all_of(fileName.begin() + std::ptrdiff_t(infix + TempInfix.size()), fileName.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

int removeStaleTemporaryFiles(const std::string &folder)
{
    static constexpr std::string_view OwnExtensions[] = {".ini", ".lib", ".lst", ".nieuw"};
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    std::vector<std::string> stale;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!isTemporarySaveFile(name))
            continue;
        std::string base = name.substr(0, name.rfind(TempInfix));
        std::transform(base.begin(), base.end(), base.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        const bool own = std::any_of(std::begin(OwnExtensions), std::end(OwnExtensions),
                                     [&](std::string_view ext) { return base.ends_with(ext); });
        if (own)
            stale.push_back(name);
    }
    ::closedir(dir);
    int removed = 0;
    for (const std::string &name : stale) {
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace core
