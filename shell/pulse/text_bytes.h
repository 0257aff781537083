// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What the pulse file reader makes of bytes that may not be text: whether a
// file is text at all, and a field shown back to the teacher safely.
namespace ondel {

// False for what is surely not UTF-8 or ASCII text: a UTF-16 byte order mark,
// or a NUL byte anywhere (UTF-16 without a mark, a binary file).
bool isPlainText(std::string_view bytes);

// A field as it may be shown back to the teacher: at most 24 bytes of whole
// characters, control characters and whatever is not UTF-8 (a Shift-JIS
// file, say) replaced, so that the message stays text the window can show.
std::string shown(std::string_view field);

} // namespace ondel
