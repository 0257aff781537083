// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/actions.h"
#include "shell/state/layout.h"

#include <string_view>
#include <variant>
#include <vector>

// The keys every program obeys, the same on the desktop and in the browser
// but for the zoom keys, which only the desktop window takes: each key either
// clicks a control's action or gives the window a command. A presenter
// remote sends Page Down and Page Up, so those step and resume.
namespace ondel {

// What a key asks of the window itself rather than of a control.
enum class WindowCommand {
    Help,       // the help for the program in front of the class
    FullScreen, // the window over the whole screen, and back
    OpenFile,   // choose a pulse data file
    Faster,     // the speed bar one page towards a shorter interval
    Slower,     // the speed bar one page towards a longer interval
    SavePulse,  // write the pulse drawn with the slide bar as a pulse data file
    SaveImage,  // write the window's drawing as a picture for worksheets
    ZoomIn,     // the whole window one zoom step larger, as far as the screen holds it
    ZoomOut,    // one zoom step smaller
    ZoomReset,  // back to 100%
};

// Where a key is pressed: in the desktop window, or in the browser's page,
// whose zoom is the browser's own (Ctrl+plus, minus and 0 stay the browser's).
enum class Edition { Desktop, Browser };

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
