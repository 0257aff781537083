// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Why the system refused to open, read or write a file, in Japanese, for the
// messages the teacher sees: the C library's own texts are English.
namespace ondel {

// One sentence ending in "。" for an errno value; a value without a sentence
// of its own is given by its number.
std::string systemReason(int error);

} // namespace ondel
