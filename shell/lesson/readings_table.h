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
// four decimals; each heading names its unit. UTF-8 with a byte order mark,
// so that a spreadsheet shows the Japanese header as it is.
namespace ondel {

// The header row, without the byte order mark and the line end.
inline constexpr const char *readingsHeader = "時刻（コマ）,粒子,横波の変位（粒子間隔）,縦波の変位（粒子間隔）,"
                                             "y-t線の時刻（コマ）,y-t線の変位（粒子間隔）";

std::string readingsTable(const std::vector<ParticleReading> &particles, const std::deque<TraceReading> &trace);

} // namespace ondel
