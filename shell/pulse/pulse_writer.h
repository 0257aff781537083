// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// A pulse data file made by a program: one record per line, the first
// column's sample, a comma, 0 for the second column ("0.328125,0"), in the
// format "実行/再実行" reads.
namespace ondel {

// Record k (from 1) holds firstColumn[k - 1].
std::string pulseFileText(const std::vector<float> &firstColumn);

} // namespace ondel
