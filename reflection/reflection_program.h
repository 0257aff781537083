// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "end_condition.h"

#include "shell/window/description.h"
#include "shell/drawing/draw_list.h"

#include <cstdint>

// The reflection family: a pulse runs right along nine particles and is
// reflected at the end of the medium.
namespace ondel {

enum class IncidentSource {
    LoadedPulse, // the first column of the pulse data file ("実行/再実行")
    SlideBar,    // drawn by hand: the slide bar drives the left end
};

struct ReflectionRules {
    IncidentSource source = IncidentSource::LoadedPulse;
    EndChoices endChoices = EndChoices::FreeFixed;
    std::int64_t timeLimit = 2880; // ticks before time wraps to 0
    std::string defaultFile;       // with a loaded pulse
    // Beyond the end the reflected curve shrinks to small dots on the axis
    // with this rim colour.
    Rgb smallReflectedRim = colour::red;
};

ProgramDescription reflectionProgram(ProgramIdentity identity, const ReflectionRules &rules);

} // namespace ondel
