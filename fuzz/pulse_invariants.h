// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/pulse/pulse_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// What every answer of the pulse file reader must satisfy, whatever bytes it
// was given: a table the frame can draw, or a reason the teacher can read.
namespace ondel::fuzz {

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
inline bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        const unsigned char lead = byte(i);
        int length = 0;
        char32_t code = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1F, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07, smallest = 0x10000;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (int k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (byte(i + k) & 0x3F);
        }
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// A value the frame can draw: finite, and still finite in single precision
// when two of them are added and scaled to 1000 twips per unit (every
// program draws the sum of two components).
inline bool drawable(float value)
{
    const float scaled = 1000.0f * (value + value);
    return std::isfinite(value) && std::isfinite(scaled) && std::isfinite(3000.0f - scaled);
}

// The first broken promise of `result`, or nothing.
inline std::optional<std::string> pulseResultFault(const PulseReadResult &result)
{
    if (const auto *error = std::get_if<PulseFileError>(&result)) {
        if (error->message.empty())
            return "error without a message";
        if (!isValidUtf8(error->message))
            return "error message is not valid UTF-8: " + error->message;
        return std::nullopt;
    }
    const auto &records = std::get<PulseRecords>(result);
    if (records.first.size() != records.second.size())
        return "columns of different length";
    if (records.first.size() > static_cast<std::size_t>(maxPulseRecords))
        return "more than 3200 records: " + std::to_string(records.first.size());
    for (const auto *column : {&records.first, &records.second})
        for (const float value : *column)
            if (!drawable(value))
                return "value out of the drawable range: " + std::to_string(value);
    return std::nullopt;
}

// Writes `records` out as a pulse file, shortest round-trip form.
inline std::string pulseText(const PulseRecords &records)
{
    std::string text;
    char buffer[64];
    for (std::size_t k = 0; k < records.first.size(); ++k) {
        for (const float value : {records.first[k], records.second[k]}) {
#ifdef __cpp_lib_to_chars
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
#else
            // A library that writes no floating-point numbers (emscripten's
            // libc++): nine significant digits read back as the same float.
            char *const end = buffer + std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
#endif
            text.append(buffer, end);
            text += ',';
        }
        text.back() = '\n';
    }
    return text;
}

// A table that was read must read back the same once written out again.
inline std::optional<std::string> roundTripFault(const PulseReadResult &result)
{
    const auto *records = std::get_if<PulseRecords>(&result);
    if (!records)
        return std::nullopt;
    const PulseReadResult again = parsePulseText(pulseText(*records), "again.csv");
    const auto *reread = std::get_if<PulseRecords>(&again);
    if (!reread)
        return "written-out table is refused: " + std::get<PulseFileError>(again).message;
    if (reread->first != records->first || reread->second != records->second)
        return "written-out table reads back different values";
    return std::nullopt;
}

} // namespace ondel::fuzz
