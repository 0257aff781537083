// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/lesson/readings_table.h"

#include "shell/state/decimal_text.h"

#include <algorithm>

namespace ondel {

namespace {

constexpr int places = 4;

std::string number(double value) { return roundedDecimal(value, places); }

} // namespace

std::string readingsTable(const std::vector<ParticleReading> &particles, const std::deque<TraceReading> &trace)
{
    std::string text = std::string("\xEF\xBB\xBF") + readingsHeader + '\n';
    const std::size_t rows = std::max(particles.size(), trace.size());
    for (std::size_t row = 0; row < rows; ++row) {
        if (row < particles.size()) {
            const ParticleReading &p = particles[row];
            text += std::to_string(p.time) + ',' + std::to_string(p.particle) + ',' + number(p.transverse) +
                    ',' + number(p.longitudinal);
        } else {
            text += ",,,";
        }
        if (row < trace.size())
            text += ',' + std::to_string(trace[row].time) + ',' + number(trace[row].displacement);
        else
            text += ",,";
        text += '\n';
    }
    return text;
}

} // namespace ondel
