// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pulse_file_cases.h"

#include "shell/window/demonstrator.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>

// A long run of random teacher input against one program's core, as the
// window would deliver it, checking everything after every event.
namespace ondel::soak {

struct SoakFigures {
    std::int64_t events = 0;
    std::int64_t ticks = 0;
    std::int64_t loads = 0;     // files read into the tables
    std::int64_t refusals = 0;  // files refused with a message
    std::size_t largestFrame = 0;
    std::size_t largestPictureBatch = 0;
    std::set<std::string> clicked; // controls whose handler ran
};

struct SoakResult {
    SoakFigures figures;
    // The first fault, with the event that showed it and the ones before.
    std::optional<std::string> fault;
};

// Drives `program` with `events` events drawn from `seed`; Text1 names the
// files in `files` or absurd texts. Stops at the first fault.
SoakResult runSoak(Demonstrator &program, const PulseFileFolder &files, std::uint64_t seed, std::int64_t events);

} // namespace ondel::soak
