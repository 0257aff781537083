// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/description.h"

// The two-speaker family: two loudspeakers on 15 particles, playing the
// loaded signal. It has one program, whose description needs no rules.
namespace ondel {

ProgramDescription speakerProgram(ProgramIdentity identity);

} // namespace ondel
