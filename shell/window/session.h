// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/demonstrator.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A recorded lesson: teacher input by control name, one event a line, that
// any front-end (or a test) can replay through a program's control bindings.
//
//   # a comment
//   click Command3        a button, option, label, ... as clicked
//   set HScroll1 1        a scroll bar's value
//   set Text1 pulse160a   a text box's text (the rest of the line, maybe empty)
//   sweep HScroll1 1 200  the scroll bar through every value from 1 to 200
//   tick 300              so many timer ticks
//   key PageDown          a key of the core's table, spelt as there or without
//                         its blanks: its action, or + and - on the speed bar
//   strobe 6 20           the strobe's menus: 6 exposures, 20 ticks apart
//   pointer down 1200 3900
//   pointer move 3300 3900 free
//   pointer up            a mouse or a finger on the drawing (計測), window
//                         twips; "free" as with Shift held or a long press
namespace ondel {

struct SessionEvent {
    enum class Kind { Click, Set, Tick, Key, StrobeCount, StrobeSpacing, PointerDown, PointerMove, PointerUp };
    Kind kind = Kind::Tick;
    std::string control; // Key: the key's name
    std::string value; // Set: the text, or the scroll bar's value as text; the strobe's choice
    int ticks = 0;     // Tick
    Point at;          // PointerDown, PointerMove
    bool free = false; // PointerMove
};

using SessionScript = std::vector<SessionEvent>;

// The events, or what is wrong with the script (line number and reason).
std::variant<SessionScript, std::string> parseSession(std::string_view text);

// A whole decimal number that fills `text`.
bool readWholeNumber(std::string_view text, int &value);

// A click on the named control, through the action its layout binds it to.
// Whether the program answered: false for a control that reacts to nothing
// and for one the layout does not have.
bool clickControl(Demonstrator &program, std::string_view control);

// Delivers one event as the window would: by the kind of the named control
// in the program's layout. False for a control the layout does not have,
// and for a key that is not in the table or gives the window a command
// other than + and -.
bool deliver(Demonstrator &program, const SessionEvent &event);

// Replays `script` on `program` and hands the canonical text of everything
// it drew to `sink`: each event, the picture drawing and message it caused,
// and every tick's window frame, what the controls and the timer show
// (control_view.h) and the picture drawing. Returns false (having
// stopped there) at an event naming a control the program lacks.
bool replaySession(Demonstrator &program, const SessionScript &script,
                   const std::function<void(std::string_view)> &sink);

// The hash of that text (16 hex digits); none where the replay stopped.
std::optional<std::string> sessionHash(Demonstrator &program, const SessionScript &script);

} // namespace ondel
