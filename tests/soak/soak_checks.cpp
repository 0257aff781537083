// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak_checks.h"

#include "reflection/reflection_demonstrator.h"
#include "shell/window/pulse_demonstrator.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

namespace ondel::soak {

void ExpectedTime::add(int steps)
{
    time_ += steps;
    if (timeLimit_) {
        if (time_ > *timeLimit_)
            time_ = 0;
        if (time_ < 0)
            time_ = *timeLimit_;
    }
}

void ExpectedTime::tick(const WindowState &before) { add(before.runStep); }

void ExpectedTime::click(Action action, const WindowState &before, bool loaded)
{
    if (action == Action::StopOrStep && before.runStep == 0)
        add(before.direction);
    if (action == Action::LoadPulse && loaded)
        time_ = 0;
}

std::int64_t outOfRangeReads(const Demonstrator &program)
{
    std::int64_t reads = 0;
    if (const auto *pulse = dynamic_cast<const PulseDemonstrator *>(&program))
        reads += pulse->forwardPulse().outOfRangeReads() + pulse->backwardPulse().outOfRangeReads();
    if (const auto *reflection = dynamic_cast<const ReflectionDemonstrator *>(&program))
        reads += reflection->sliderSamples().outOfRangeAccesses();
    return reads;
}

namespace {

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

std::string at(std::size_t index) { return " (primitive " + std::to_string(index) + ")"; }

template <typename T> std::string inRange(const char *name, T value, T low, T high)
{
    if (value >= low && value <= high)
        return {};
    return std::string(name) + " = " + std::to_string(value) + ", outside " + std::to_string(low) + ".." +
           std::to_string(high);
}

} // namespace

std::optional<std::string> primitivesFault(const std::vector<Primitive> &ops, std::size_t most)
{
    if (ops.size() > most)
        return std::to_string(ops.size()) + " primitives, more than " + std::to_string(most);
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const bool sound = std::visit(
            [](const auto &op) {
                using T = std::decay_t<decltype(op)>;
                if constexpr (std::is_same_v<T, LineOp>)
                    return finite(op.from) && finite(op.to);
                else if constexpr (std::is_same_v<T, CircleOp>)
                    return finite(op.centre) && std::isfinite(op.radius) && op.radius >= 0;
                else if constexpr (std::is_same_v<T, TextOp>)
                    return finite(op.at);
                else
                    return true;
            },
            ops[i]);
        if (!sound)
            return "a coordinate that is not finite" + at(i);
    }
    return std::nullopt;
}

std::optional<std::string> stateFault(const Demonstrator &program, const ExpectedTime &time)
{
    const WindowState &s = program.state();
    const Clock &clock = program.clock();
    const std::vector<ControlSpec> &controls = program.layout().controls;
    const auto speed = std::find_if(controls.begin(), controls.end(),
                                    [](const ControlSpec &c) { return c.action == Action::Speed; });
    const bool hasSpeedBar = speed != controls.end();

    const std::string faults[] = {
        s.timeIndex == time.value() ? std::string()
                                    : "timeIndex = " + std::to_string(s.timeIndex) + ", expected " +
                                          std::to_string(time.value()),
        clock.timeLimit ? inRange<std::int64_t>("timeIndex", s.timeIndex, 0, *clock.timeLimit) : std::string(),
        inRange("runStep", s.runStep, -1, 1),
        (s.direction == 1 || s.direction == -1) ? std::string() : "direction = " + std::to_string(s.direction),
        (s.runStep == 0 || s.runStep == s.direction) ? std::string() : "runStep against direction",
        std::count(clock.curveModes.begin(), clock.curveModes.end(), s.yxMode) == 1
            ? std::string()
            : "yxMode = " + std::to_string(static_cast<int>(s.yxMode)) + ", not one of the program's curve modes",
        inRange("ytColumn", s.ytColumn, 0, program.traceConfig().columnCount),
        s.pictureVisible == (s.ytColumn != 0) ? std::string() : "Picture1 shown without the trace, or hidden with it",
        (std::isfinite(s.ytPrevY1) && std::isfinite(s.ytPrevY2) && std::isfinite(s.ytPrevY3))
            ? std::string()
            : "y-t history not finite",
        (s.tracedParticle == 1 || s.tracedParticle == 6) ? std::string()
                                                         : "tracedParticle = " + std::to_string(s.tracedParticle),
        hasSpeedBar ? inRange("timer interval", s.timerInterval, speed->range.minimum, speed->range.maximum)
                    : std::string(),
        outOfRangeReads(program) == 0 ? std::string()
                                      : std::to_string(outOfRangeReads(program)) + " array reads out of range",
    };
    for (const std::string &fault : faults)
        if (!fault.empty())
            return fault;
    return std::nullopt;
}

std::optional<std::string> frameFault(const Demonstrator &program)
{
    if (auto fault = primitivesFault(program.frame().ops(), mostPrimitivesPerFrame))
        return "frame: " + *fault;
    return std::nullopt;
}

} // namespace ondel::soak
