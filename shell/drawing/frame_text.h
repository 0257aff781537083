// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A frame written out as plain text, one primitive per line, so that two
// builds (or two front-ends) can be shown to draw the same thing. Every
// coordinate is written in whole thousandths of a twip: the last bit of a
// platform's sin cannot change the text.
namespace ondel {

// "c 1200000 2999500 300000 000000 ff00ff" and so on; `surface` ("W" for the
// window, "P" for the picture) starts the line.
void appendPrimitiveText(std::string &out, char surface, const Primitive &primitive);

// FNV-1a, 64 bits: small enough to repeat in any language, and a changed
// byte anywhere changes it.
class TextHash {
public:
    void add(std::string_view text);
    std::uint64_t value() const { return value_; }
    // 16 lower-case hex digits.
    std::string hex() const;

private:
    std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

} // namespace ondel
