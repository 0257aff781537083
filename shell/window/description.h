// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/clock.h"
#include "shell/state/layout.h"
#include "shell/state/lesson_tools.h"
#include "shell/state/state.h"
#include "shell/drawing/yt_trace.h"

#include <functional>
#include <memory>
#include <string>

// A program of the family as data: everything in which it differs from its
// siblings, but for the rules of its wave, which its family adds.
namespace ondel {

// The state that differs between the programs when the window opens.
struct InitialState {
    bool transverseShown = false;
    CurveMode yxMode = CurveMode::ComponentsAndSum;
};

class Demonstrator;
struct ProgramDescription;

// Builds the window of a description: its family's engine, with the rules of
// the program's wave bound in.
using Engine = std::function<std::unique_ptr<Demonstrator>(const ProgramDescription &)>;

// The engine of a family whose window class is built from a description
// and the family's rules.
template <class Window, class... Rules>
Engine engineOf(Rules... rules)
{
    return [rules...](const ProgramDescription &description) { return std::make_unique<Window>(description, rules...); };
}

// Who a program is: its name ("ondel8": the executable and its address)
// and one line on what it shows, for menus and the start page.
struct ProgramIdentity {
    std::string name;
    std::string summaryJa;
    std::string summaryEn;
};

struct ProgramDescription {
    ProgramIdentity identity;
    WindowLayout layout;
    Clock clock;
    TraceConfig trace;
    InitialState initial;
    std::string defaultFile; // base name of the pulse data file; empty: none
    LessonDefaults lessons;
    Engine engine;
};

} // namespace ondel
