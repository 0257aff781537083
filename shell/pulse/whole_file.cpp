// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pulse/whole_file.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ondel {

namespace {

// What a new file gets: read and write for all, less the user's mask.
constexpr mode_t newFileMode = 0666;
constexpr mode_t permissionBits = 07777;

// The file a save writes: where a symbolic link leads, so that the link stays.
std::filesystem::path target(const std::string &path)
{
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(path, error);
    return error ? std::filesystem::path(path) : resolved;
}

mode_t modeFor(const std::filesystem::path &file)
{
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0)
        return info.st_mode & permissionBits;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return newFileMode & ~mask;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = ENOSPC; // a write that takes nothing has no room left
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::optional<int> writeWholeFile(const std::string &path, std::string_view bytes)
{
    const std::filesystem::path file = target(path);
    // Hidden beside the target, on the same disk, so that the rename is one step.
    std::string temporary = (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    const bool written = ::fchmod(fd, modeFor(file)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), file.c_str()) != 0)
        error = errno;
    if (error == 0)
        return std::nullopt;
    ::unlink(temporary.c_str());
    return error;
}

} // namespace ondel
