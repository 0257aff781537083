// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawn_pulse.h"

#include "shell/state/geometry.h"

#include <algorithm>
#include <cstdlib>

namespace ondel {

namespace {

// A bar dragged back by mouse seldom lands on rest itself: it stays a step
// or two off, and the drawing would never end. So near is rest enough where
// the drawing ends, though such samples within it are kept as they are.
constexpr int nearRest = 2;

bool drawn(const SliderSamples &samples, std::int64_t index) { return samples.sample(index) != SliderSamples::rest; }

bool awayFromRest(const SliderSamples &samples, std::int64_t index)
{
    return std::abs(samples.sample(index) - SliderSamples::rest) > nearRest;
}

} // namespace

std::optional<DrawnPulse> drawnPulse(const SliderSamples &samples)
{
    std::int64_t first = 0;
    while (first <= SliderSamples::lastIndex && !drawn(samples, first))
        ++first;
    if (first > SliderSamples::lastIndex)
        return std::nullopt;
    std::int64_t last = SliderSamples::lastIndex;
    while (last > first && !awayFromRest(samples, last))
        --last;
    // A drawing that never left the neighbourhood of rest ends at its last sample off rest.
    if (!awayFromRest(samples, last))
        for (last = SliderSamples::lastIndex; !drawn(samples, last);)
            --last;

    constexpr std::int64_t records = geometry::pulseRecords;
    DrawnPulse pulse;
    pulse.drawnSamples = last - first + 1;
    pulse.keptSamples = std::min(pulse.drawnSamples, records);
    // Record 320 stands at the row's left end at time 0. A drawing too long
    // to end by the last record from there starts at an earlier one.
    const std::int64_t endsAtLastRecord = records + 1 - pulse.drawnSamples;
    pulse.firstRecord = static_cast<int>(std::clamp<std::int64_t>(endsAtLastRecord, 1, geometry::entryLead));
    pulse.timeShift = first - pulse.firstRecord;
    pulse.records.assign(records, 0.0f);
    for (std::int64_t k = 0; k < pulse.keptSamples; ++k)
        pulse.records[static_cast<std::size_t>(pulse.firstRecord - 1 + k)] = samples.at(first + k);
    return pulse;
}

std::string drawnPulseNote(const DrawnPulse &pulse)
{
    if (pulse.keptSamples == pulse.drawnSamples)
        return {};
    return "描いたパルスは " + std::to_string(pulse.drawnSamples) + " 個のサンプル（コマ）で、ファイルに入る " +
           std::to_string(geometry::pulseRecords) + " 個より長いため、描き始めから " +
           std::to_string(pulse.keptSamples) + " 個だけを保存しました。\n残りの " +
           std::to_string(pulse.drawnSamples - pulse.keptSamples) + " 個は保存されていません。";
}

} // namespace ondel
