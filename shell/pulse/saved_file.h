// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// What a save command of the window hands its front-end, which only asks
// where to write: the file's bytes, or none and the reason in `message`;
// with bytes, `message` is what to tell the teacher once they are written
// (empty: nothing).
namespace ondel {

struct SavedFile {
    std::optional<std::string> bytes;
    std::string message;
};

} // namespace ondel
