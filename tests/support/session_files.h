// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/session.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

// The recorded lessons of tests/sessions and the files they load: the
// shipped pulse data and a few bad files.
namespace ondel::test_support {

inline std::filesystem::path sessionDir() { return ONDEL_SESSION_DIR; }

inline SessionScript loadSession(const std::string &program)
{
    const std::filesystem::path path = sessionDir() / (program + ".session");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    auto parsed = parseSession(text.str());
    if (const auto *error = std::get_if<std::string>(&parsed))
        throw std::runtime_error(path.string() + ": " + *error);
    return std::get<SessionScript>(std::move(parsed));
}

// Copies every file a session may load into `folder`, so that a bare name
// typed into Text1 finds it there.
inline void copySessionFiles(const std::filesystem::path &folder)
{
    namespace fs = std::filesystem;
    for (const fs::path &source : {fs::path(ONDEL_DATA_DIR), sessionDir() / "files"})
        for (const fs::directory_entry &entry : fs::directory_iterator(source))
            if (entry.path().extension() == ".csv")
                fs::copy_file(entry.path(), folder / entry.path().filename());
}

} // namespace ondel::test_support
