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

} // namespace

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
