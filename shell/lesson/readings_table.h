// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/lesson/readings.h"

#include <deque>
#include <string>
#include <vector>

// "データを保存": the readings of the window at the current tick as a CSV
// table for a spreadsheet. A header row, then one row per particle (the
// tick, the particle, its displacement in both rows) beside one per y-t
// trace point (its tick and displacement), in particle spacings with up to
// four decimals. UTF-8 with a byte order mark, so that a spreadsheet shows
// the Japanese header as it is.
namespace ondel {

std::string readingsTable(const std::vector<ParticleReading> &particles, const std::deque<TraceReading> &trace);

} // namespace ondel
