// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the pulse file reader as a file's content. Every
// answer must be a drawable table of at most 3200 records that reads back
// unchanged once written out, or a readable Japanese reason.
#include "pulse_invariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const ondel::PulseReadResult result = ondel::parsePulseText(bytes, "パルス.csv");
    auto fault = ondel::fuzz::pulseResultFault(result);
    if (!fault)
        fault = ondel::fuzz::roundTripFault(result);
    if (fault) {
        std::fprintf(stderr, "pulse file reader: %s\n", fault->c_str());
        std::abort();
    }
    return 0;
}
