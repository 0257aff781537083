// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/session_files.h"
#include "tests/support/temp_dir.h"

#include <filesystem>

namespace ondel::test_support {

// A folder holding every file the sessions load, as the working directory
// for as long as it lives, so that a name typed into Text1 finds its file.
class SessionFolder {
public:
    SessionFolder() : previous_(std::filesystem::current_path())
    {
        copySessionFiles(dir_.path());
        std::filesystem::current_path(dir_.path());
    }
    ~SessionFolder() { std::filesystem::current_path(previous_); }
    SessionFolder(const SessionFolder &) = delete;
    SessionFolder &operator=(const SessionFolder &) = delete;

private:
    TempDir dir_;
    std::filesystem::path previous_;
};

} // namespace ondel::test_support
