// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/actions.h"
#include "shell/state/clock.h"
#include "shell/window/demonstrator.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What must hold after every event, however absurd the input: time where the
// actions put it, every state variable in its range, no array read outside
// its table, and frames that a painter can draw.
namespace ondel::soak {

inline constexpr std::size_t mostPrimitivesPerFrame = 2000;

// timeIndex as the actions must have moved it: the run step at each tick,
// the direction at a single step, 0 after a file was loaded; wrapped at the
// time limit of a bounded clock, unbounded otherwise.
class ExpectedTime {
public:
    ExpectedTime(std::optional<std::int64_t> timeLimit, std::int64_t start) : timeLimit_(timeLimit), time_(start) {}
    explicit ExpectedTime(const Demonstrator &program)
        : ExpectedTime(program.clock().timeLimit, program.state().timeIndex)
    {
    }

    // Call with the state as it was just before the event.
    void tick(const WindowState &before);
    // A click on a control bound to `action`; `loaded`: a file load that
    // succeeded.
    void click(Action action, const WindowState &before, bool loaded);

    std::int64_t value() const { return time_; }

private:
    void add(int steps);

    std::optional<std::int64_t> timeLimit_;
    std::int64_t time_;
};

// Reads of the program's tables outside their index range so far.
std::int64_t outOfRangeReads(const Demonstrator &program);

// Non-finite coordinates, a negative radius, or more than `most` primitives.
std::optional<std::string> primitivesFault(const std::vector<Primitive> &ops, std::size_t most);

// The first broken invariant of the program's state.
std::optional<std::string> stateFault(const Demonstrator &program, const ExpectedTime &time);

// What is wrong with the frame of the last tick, if anything.
std::optional<std::string> frameFault(const Demonstrator &program);

} // namespace ondel::soak
