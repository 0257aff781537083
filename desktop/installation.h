// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/demonstrator.h"

namespace ondel {

// Ties a running program to what `cmake --install` lays out around its
// executable: the shipped data folder, where "実行/再実行" looks after the
// working folder, and the desktop entry and icon, so that the desktop shows
// the window under the program's own name and picture. Needs the
// application object.
void connectToInstallation(Demonstrator &program);

} // namespace ondel
