// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace ondel {

// Where a row of values, one per particle (particle i at index i - 1), has a
// clear peak: one particle, or two neighbours within `tolerance` of each
// other, at least `least`, with both outer neighbours lower by more than
// `tolerance`. The row's end particles have no outer neighbour and are never
// peaks, and a flat stretch has none. Positions are particle numbers, a
// half between two neighbours; values and both limits share one unit.
std::vector<double> clearPeaks(const std::vector<double> &values, double least, double tolerance);

// Where a finely sampled smooth row of values (value n at index n - 1) has
// a clear hump: a top at least `least` from which the row falls by
// `prominence` on both sides before it rises any higher. The position is the
// middle of the stretch within `tolerance` of the top, so that a broad or
// level top is marked at its centre, steadily. A top that stays within
// `prominence` all the way to an end of the row is no hump.
std::vector<double> prominentPeaks(const std::vector<double> &values, double least, double prominence,
                                   double tolerance);

} // namespace ondel
