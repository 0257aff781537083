// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The sizes a teacher can choose for the whole window, in percent, the same
// on the desktop (Ctrl+plus and Ctrl+minus) and in the browser's bar.
namespace ondel::zoom {

inline constexpr std::array<int, 7> steps{100, 125, 150, 175, 200, 250, 300};

} // namespace ondel::zoom
