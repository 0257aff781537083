// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slider_samples.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// "パルスを保存": the pulse drawn with ondel10's slide bar as the first column
// of a pulse data file, so that ondel9 (or ondel8) shows the same pulse.
//
// The drawing is every sample from the first one off rest to the last one
// more than 2 off it (the bar is seldom dragged back to rest exactly). Its
// first sample goes to record 320, so that in ondel9, which restarts at time
// 0 on loading, it reaches the row's left end at once and particle 1 at
// t = 20. A drawing too long to end by record 3200 starts earlier, down to
// record 1; of one longer than 3200 samples the first 3200 are kept. Every
// other record is 0, so the file shows the same whatever was loaded before.
namespace ondel {

struct DrawnPulse {
    std::vector<float> records;     // record k at [k - 1], all 3200
    int firstRecord = 0;            // the record of the drawing's first sample
    std::int64_t drawnSamples = 0;  // the drawing's length
    std::int64_t keptSamples = 0;
    // A sample at index i in ondel10 is record i - timeShift: ondel9 at time
    // t shows what ondel10 showed at t + timeShift.
    std::int64_t timeShift = 0;
};

// Nothing when every sample is at rest.
std::optional<DrawnPulse> drawnPulse(const SliderSamples &samples);

// What the teacher is told after saving: empty, or that the drawing was
// longer than a file holds and which part was kept.
std::string drawnPulseNote(const DrawnPulse &pulse);

} // namespace ondel
