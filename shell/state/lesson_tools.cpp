// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/lesson_tools.h"

#include <algorithm>

namespace ondel {

bool isLessonTool(Action action)
{
    return action == Action::ToggleStrobe || action == Action::ToggleAnnotations || action == Action::StrobeCount ||
           action == Action::StrobeSpacing || action == Action::StartStopStopwatch ||
           action == Action::ResetStopwatch;
}

void chooseStrobeCount(LessonTools &tools, int count) { tools.strobeCount = std::clamp(count, 1, maxStrobeCount); }

void chooseStrobeSpacing(LessonTools &tools, int ticks)
{
    tools.strobeSpacing = std::clamp(ticks, 1, maxStrobeSpacing);
}

const std::vector<int> &strobeCountChoices()
{
    static const std::vector<int> counts{2, 3, 4, 6, 8};
    return counts;
}

std::vector<int> strobeSpacingChoices(const LessonDefaults &defaults)
{
    const int s = defaults.strobeSpacing;
    return {std::max(1, s / 2), s, 2 * s, 4 * s};
}

std::string strobeCountCaption(int count) { return std::to_string(count) + "枚"; }

std::string strobeSpacingCaption(int ticks) { return std::to_string(ticks) + "コマ"; }

} // namespace ondel
