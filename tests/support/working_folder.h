// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

// Makes `folder` the working directory, as if the program had been started
// there, for as long as the object lives.
namespace ondel::test_support {

class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path &folder) : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~WorkingFolder() { std::filesystem::current_path(previous_); }
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

private:
    std::filesystem::path previous_;
};

} // namespace ondel::test_support
