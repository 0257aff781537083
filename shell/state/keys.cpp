// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/keys.h"

#include "shell/state/lesson_tools.h"

#include <algorithm>

namespace ondel {

const std::vector<KeyBinding> &keyBindings()
{
    using A = Action;
    static const std::vector<KeyBinding> bindings = [] {
        std::vector<KeyBinding> all{
            {"Page Down", A::StopOrStep}, {"Page Up", A::Resume},   {"R", A::Reverse},
            {"Y", A::NextCurveMode},      {"T", A::ToggleTrace},    {"1", A::ToggleTransverse},
            {"2", A::ToggleLongitudinal}, {"S", A::ToggleStrobe},   {"A", A::ToggleAnnotations},
            {"W", A::StartStopStopwatch}, {"0", A::ResetStopwatch},
        };
        for (const CommandSpec &command : windowCommands())
            all.push_back({command.key, command.command, command.desktopOnly});
        return all;
    }();
    return bindings;
}

const KeyBinding *findKey(std::string_view name)
{
    const auto &all = keyBindings();
    const auto it = std::find_if(all.begin(), all.end(), [&](const KeyBinding &b) { return b.name == name; });
    return it == all.end() ? nullptr : &*it;
}

namespace {

template <class Target> const KeyBinding *keyReaching(Target target)
{
    const auto &all = keyBindings();
    const auto it = std::find_if(all.begin(), all.end(), [&](const KeyBinding &b) {
        const auto *bound = std::get_if<Target>(&b.target);
        return bound && *bound == target;
    });
    return it == all.end() ? nullptr : &*it;
}

} // namespace

const KeyBinding *keyFor(Action action) { return keyReaching(action); }

const KeyBinding *keyFor(WindowCommand command) { return keyReaching(command); }

bool typesText(const KeyBinding &binding) { return binding.name.size() == 1; }

bool keyServes(const KeyBinding &binding, Edition edition)
{
    return edition == Edition::Desktop || !binding.desktopOnly;
}

bool keyApplies(const KeyBinding &binding, const WindowLayout &layout, Edition edition)
{
    if (!keyServes(binding, edition))
        return false;
    if (const auto *action = std::get_if<Action>(&binding.target))
        return isLessonTool(*action) || bindsAction(layout, *action);
    return commandApplies(std::get<WindowCommand>(binding.target), layout, edition);
}

} // namespace ondel
