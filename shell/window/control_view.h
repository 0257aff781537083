// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/demonstrator.h"

#include <string>

// What the window shows the class besides its drawing, as the core holds it:
// the timer's interval, and for every control of the layout its check, its
// caption, its text, its value or, for Picture1, whether it is shown and
// where. A front-end shows the same; a recorded session writes it at every
// tick, so a control that stops answering changes the record even where
// the frame stays the same. Focus is no part of it.
namespace ondel {

// Whether the option bound to `action` is the selected one of its frame.
bool optionSelected(const WindowState &state, Action action);

// "S interval 10", then one line a control in the layout's order:
//   S Command1 button 横波        S Option1 option on
//   S Text1 text [pulse160a]      S HScroll1 value 10
//   S Picture1 hidden 120 5640 11775 2895
void appendControlView(std::string &out, const Demonstrator &program);

} // namespace ondel
