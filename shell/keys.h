// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "actions.h"
#include "layout.h"

#include <string_view>
#include <variant>
#include <vector>

// The keys every program obeys, the same on the desktop and in the browser:
// each key either clicks a control's action or gives the window a command.
// A presenter remote sends Page Down and Page Up, so those step and resume.
namespace ondel {

// What a key asks of the window itself rather than of a control.
enum class WindowCommand {
    Help,       // the help for the program in front of the class
    FullScreen, // the window over the whole screen, and back
    OpenFile,   // choose a pulse data file
    Faster,     // the speed bar one page towards a shorter interval
    Slower,     // the speed bar one page towards a longer interval
};

struct KeyBinding {
    // As the teacher reads it in a tooltip or the help, and as a front-end
    // names a key press: "Page Down", "R", "1", "+", "F1", "Ctrl+O".
    std::string_view name;
    std::variant<Action, WindowCommand> target;
};

const std::vector<KeyBinding> &keyBindings();

// Nullptr for a key that does nothing.
const KeyBinding *findKey(std::string_view name);
// The key that clicks `action`; nullptr for an action without one.
const KeyBinding *keyFor(Action action);
const KeyBinding *keyFor(WindowCommand command);

// A single character: while a text box has the focus it is typed, not obeyed.
bool typesText(const KeyBinding &binding);

// Whether the key does something in a window of this layout: its action is
// bound to a control or is a lesson tool (every program has those), or the
// window has what its command works on.
bool keyApplies(const KeyBinding &binding, const WindowLayout &layout);

} // namespace ondel
