// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pulse/data_folder.h"

#include <filesystem>
#include <system_error>

namespace ondel {

namespace {

// True unless the path is known to lead nowhere: a file that is there but
// cannot be looked at (no permission) is still the teacher's, and the reader
// says what is wrong with it.
bool present(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::exists(path, error) || error;
}

} // namespace

std::string locateDataFile(const std::string &name, const std::vector<std::string> &fallbackFolders)
{
    // A NUL would cut the name short when looked up; the reader refuses it.
    if (name.find_first_of(std::string("/\0", 2)) != std::string::npos || present(name))
        return name;
    for (const std::string &folder : fallbackFolders) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / name;
        if (present(candidate))
            return candidate.string();
    }
    return name;
}

} // namespace ondel
