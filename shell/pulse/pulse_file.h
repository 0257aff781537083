// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/geometry.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The pulse data file: records of two numbers, one record per line ("0.5,
// -0.25"), at most 3200 records. A file is read whole and checked before
// anything of it is used, so a bad file changes nothing.
//
// Beyond the plain format, the reader accepts what spreadsheet programs
// write: a UTF-8 byte order mark, CRLF or CR line ends, blanks around
// numbers, blank lines (skipped). Numbers are taken two at a time in file
// order; a last record with a single number gets 0 as its second. A file
// without a single number, or one that is not UTF-8 or ASCII text (UTF-16,
// say), is refused like any other bad file.
namespace ondel {

struct PulseRecords {
    std::vector<float> first;  // record k at [k - 1]
    std::vector<float> second;
};

// A reason in Japanese, naming the file (and the line where there is one).
struct PulseFileError {
    std::string message;
};

using PulseReadResult = std::variant<PulseRecords, PulseFileError>;

inline constexpr int maxPulseRecords = geometry::pulseRecords;
// Larger than any sensible file of maxPulseRecords records; no more than this is ever
// read, so no file can take unbounded time or memory.
inline constexpr std::size_t maxPulseFileBytes = 1 << 20;

// Checks and converts the bytes of a file called `fileName`.
PulseReadResult parsePulseText(std::string_view bytes, std::string_view fileName);

// The whole contents of a file called `fileName`, however large: what is
// past the size limit is refused, naming the line that already fails where
// one does.
PulseReadResult parsePulseFile(std::string_view bytes, const std::string &fileName);

// Reads the file at `path` (never blocking on a pipe or device) and parses it.
PulseReadResult readPulseFile(const std::string &path);

} // namespace ondel
