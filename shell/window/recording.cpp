// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window/recording.h"

#include "shell/lesson/readings.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace ondel {

namespace {

// Under a twip either way: a particle drawn where it rests.
constexpr double restTolerance = 1.0 / twipsPerSpacing;

void append(std::vector<Primitive> &to, std::vector<Primitive> ops)
{
    to.insert(to.end(), std::make_move_iterator(ops.begin()), std::make_move_iterator(ops.end()));
}

} // namespace

Recording::Recording(const Demonstrator &program)
    : program_(program.copy()), interval_(std::max(1, program.state().timerInterval)),
      ticksPerFrame_((shortestFrameMs + interval_ - 1) / interval_), untilAtRest_(program.periodTicks() <= 0),
      lastTick_(untilAtRest_ ? longestPulseMs / interval_ : program.periodTicks())
{
    WindowState &state = program_->state();
    if (state.runStep == 0)
        state.runStep = state.direction == -1 ? -1 : 1;
    state.stepPending = false;
    // A window that has not ticked yet has no frame to start from.
    if (program_->frame().ops().empty())
        program_->nextFrame();
}

std::optional<RecordedFrame> Recording::next()
{
    if (!pending_)
        pending_ = take();
    if (!pending_)
        return std::nullopt;
    while (auto following = take()) {
        if (following->window != pending_->window || !following->picture.empty())
            return std::exchange(pending_, std::move(following));
        pending_->delay += following->delay;
    }
    return std::exchange(pending_, std::nullopt);
}

std::optional<RecordedFrame> Recording::take()
{
    if (over_)
        return std::nullopt;
    RecordedFrame frame;
    // The first frame is the present moment; each later one follows the
    // ticks since the one before.
    if (started_) {
        for (int i = 0; i < ticksPerFrame_; ++i, ++tick_) {
            program_->nextFrame();
            append(frame.picture, program_->takePictureOps());
        }
    } else
        frame.picture = program_->takePictureOps();
    started_ = true;
    frame.window = program_->frame().ops();
    const bool atRest = mediumAtRest();
    moved_ = moved_ || !atRest;
    covered_ = std::min(tick_ + ticksPerFrame_, lastTick_);
    over_ = covered_ >= lastTick_ || (untilAtRest_ && moved_ && atRest);
    frame.delay = delayUnitsAt(covered_) - delayUnitsAt(tick_);
    return frame;
}

bool Recording::mediumAtRest() const
{
    const auto readings = program_->particleReadings();
    return std::all_of(readings.begin(), readings.end(), [](const ParticleReading &p) {
        return std::abs(p.transverse) < restTolerance && std::abs(p.longitudinal) < restTolerance;
    });
}

int Recording::delayUnitsAt(int tick) const
{
    return static_cast<int>(std::lround(static_cast<double>(tick) * interval_ / msPerDelayUnit));
}

} // namespace ondel
