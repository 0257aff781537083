// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/lesson/clear_peaks.h"

#include <algorithm>
#include <cmath>

namespace ondel {

namespace {

// Whether values[first..last] (one or two entries) stand clearly above
// both outer neighbours.
bool clearRun(const std::vector<double> &v, std::size_t first, std::size_t last, double least, double tolerance)
{
    const double low = std::min(v[first], v[last]);
    if (std::abs(v[first] - v[last]) > tolerance || low < least)
        return false;
    return v[first - 1] < low - tolerance && v[last + 1] < low - tolerance;
}

// Whether the row falls by `prominence` from values[top] going `step`
// (+1 or -1) before it rises above it or ends.
bool fallsAway(const std::vector<double> &v, std::size_t top, int step, double prominence)
{
    for (auto i = static_cast<std::ptrdiff_t>(top) + step; i >= 0 && i < static_cast<std::ptrdiff_t>(v.size()); i += step) {
        const double value = v[static_cast<std::size_t>(i)];
        if (value > v[top])
            return false;
        if (value <= v[top] - prominence)
            return true;
    }
    return false;
}

} // namespace

std::vector<double> prominentPeaks(const std::vector<double> &values, double least, double prominence,
                                   double tolerance)
{
    std::vector<double> peaks;
    for (std::size_t i = 0; i < values.size(); ++i) {
        // A level top is taken once, at its first value.
        if (values[i] < least || (i > 0 && values[i - 1] == values[i]))
            continue;
        if (!fallsAway(values, i, -1, prominence) || !fallsAway(values, i, +1, prominence))
            continue;
        std::size_t first = i;
        std::size_t last = i;
        while (first > 0 && values[first - 1] >= values[i] - tolerance)
            --first;
        while (last + 1 < values.size() && values[last + 1] >= values[i] - tolerance)
            ++last;
        peaks.push_back(static_cast<double>(first + last) / 2 + 1);
    }
    return peaks;
}

std::vector<double> clearPeaks(const std::vector<double> &values, double least, double tolerance)
{
    std::vector<double> peaks;
    for (std::size_t i = 1; i + 1 < values.size(); ++i) {
        if (clearRun(values, i, i, least, tolerance))
            peaks.push_back(static_cast<double>(i) + 1);
        else if (i + 2 < values.size() && clearRun(values, i, i + 1, least, tolerance))
            peaks.push_back(static_cast<double>(i) + 1.5);
    }
    return peaks;
}

} // namespace ondel
