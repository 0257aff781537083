// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pulse/text_bytes.h"

#include <algorithm>

namespace ondel {

namespace {

// The length of the well-formed UTF-8 character that `s` starts with, or 0
// (a stray byte, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t characterLength(std::string_view s)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || s.size() < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80)
            return 0;
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

} // namespace

bool isPlainText(std::string_view bytes)
{
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return false;
    return bytes.find('\0') == std::string_view::npos;
}

std::string shown(std::string_view field)
{
    constexpr std::size_t most = 24;
    std::string out;
    std::size_t i = 0;
    while (i < field.size()) {
        const std::size_t length = characterLength(field.substr(i));
        if (i + std::max<std::size_t>(length, 1) > most)
            break;
        const auto c = static_cast<unsigned char>(field[i]);
        if (length == 0 || c < 0x20 || c == 0x7F)
            out += '?';
        else
            out += field.substr(i, length);
        i += std::max<std::size_t>(length, 1);
    }
    if (i < field.size())
        out += "…";
    return out;
}

} // namespace ondel
