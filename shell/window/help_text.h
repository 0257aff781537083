// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/description.h"
#include "shell/state/keys.h"

#include <string>
#include <string_view>

// What the teacher reads about a program, in Japanese and as plain text, the
// same on the desktop and in the browser: the help behind F1, a button's
// tooltip and the about box.
namespace ondel {

// One line on what a control bound to `action` does; empty for Action::None.
std::string_view actionDescription(Action action);

// What a control is called where its caption does not say it (the speed
// bar is "速度", Option1 "横縦別々"): the help's title and the name a screen
// reader gives it.
std::string controlTitle(const ControlSpec &control);

// A button's tooltip: "停止／　駒送り (Page Down)"; empty for a control
// that is no button or whose action has no key.
std::string controlHint(const ControlSpec &control);

// The program's summary, what each of its controls does and its keys in the
// edition (the zoom keys on the desktop only).
std::string helpText(const ProgramDescription &description, Edition edition);

// One line for a window whose rows start hidden: what to press first.
std::string firstHint(const WindowLayout &layout);

// The program, the release it belongs to and its licence.
std::string aboutText(const ProgramDescription &description, std::string_view version);

} // namespace ondel
