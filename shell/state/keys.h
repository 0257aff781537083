// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/actions.h"
#include "shell/state/commands.h"
#include "shell/state/layout.h"

#include <string_view>
#include <variant>
#include <vector>

// The keys every program obeys, the same on the desktop and in the browser
// but for the zoom keys, which only the desktop window takes: each key either
// clicks a control's action or gives the window a command (the keys of the
// commands are in their own table). A presenter remote sends Page Down and
// Page Up, so those step and resume.
namespace ondel {

struct KeyBinding {
    // As the teacher reads it in a tooltip or the help, and as a front-end
    // names a key press: "Page Down", "R", "1", "+", "F1", "Ctrl+O".
    std::string_view name;
    std::variant<Action, WindowCommand> target;
    bool desktopOnly = false; // the browser keeps the key for itself
};

const std::vector<KeyBinding> &keyBindings();

// Nullptr for a key that does nothing.
const KeyBinding *findKey(std::string_view name);
// The key that clicks `action`; nullptr for an action without one.
const KeyBinding *keyFor(Action action);
const KeyBinding *keyFor(WindowCommand command);

// A single character: while a text box has the focus it is typed, not obeyed.
bool typesText(const KeyBinding &binding);

// Whether the key is one of the edition's: the page leaves the desktop's
// keys to the browser and never hears them.
bool keyServes(const KeyBinding &binding, Edition edition);

// Whether the key does something in a window of this layout in the edition:
// it serves there, and its action is bound to a control or is a lesson tool
// (every program has those), or the window has what its command works on.
bool keyApplies(const KeyBinding &binding, const WindowLayout &layout, Edition edition);

} // namespace ondel
