// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// What the window showed, as numbers for a worksheet: the displacement of
// the medium in particle spacings (a displacement of 1 lifts a transverse
// particle 1000 twips), positive up in the transverse row and to the right
// in the longitudinal one. The longitudinal row draws its shift smaller (a
// quarter or a half of that), so it is read back through its own scale.
namespace ondel {

inline constexpr double twipsPerSpacing = 1000;

// One particle in the frame of tick `time`.
struct ParticleReading {
    std::int64_t time = 0;
    int particle = 0;
    double transverse = 0;
    double longitudinal = 0;
    friend bool operator==(const ParticleReading &, const ParticleReading &) = default;
};

// One point of the y-t trace: the tick it was drawn at and the traced
// particle's transverse displacement then.
struct TraceReading {
    std::int64_t time = 0;
    double displacement = 0;
    friend bool operator==(const TraceReading &, const TraceReading &) = default;
};

} // namespace ondel
