// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/demonstrator.h"

#include <memory>

namespace ondel {

// Opens the program's window and runs until it is closed.
int runProgram(int argc, char **argv, std::unique_ptr<Demonstrator> program);

} // namespace ondel
