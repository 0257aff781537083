// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"
#include "shell/window/demonstrator.h"

#include <memory>
#include <optional>
#include <vector>

// 動画を保存: the frames a window will show from the present moment on, as
// an animation to take into a slide. A copy of the window runs ahead, so the
// lesson on screen, its clock, trace and strobe, goes on undisturbed; a
// stopped window is recorded running in its direction of travel.
//
// A wave that repeats is recorded for one period, so that the animation
// loops without a jump; a pulse until the medium is at rest again after it
// has moved, for at most `longestPulseMs` of on-screen time. An animation
// stores its delays in hundredths of a second and players stretch very
// short ones, so a frame is taken every so many ticks that frames stand at
// least `shortestFrameMs` apart, at the speed of the screen.
namespace ondel {

inline constexpr int longestPulseMs = 20000;
inline constexpr int shortestFrameMs = 20;
inline constexpr int msPerDelayUnit = 10;

struct RecordedFrame {
    std::vector<Primitive> window;  // the window's frame
    std::vector<Primitive> picture; // Picture1's drawing since the frame before
    int delay = 0;                  // how long it shows, in hundredths of a second
};

class Recording {
public:
    explicit Recording(const Demonstrator &program);

    // The next frame, with the identical ones after it taken in (their
    // delays added); none once the recording is over.
    std::optional<RecordedFrame> next();

    const WindowLayout &layout() const { return program_->layout(); }
    int ticksPerFrame() const { return ticksPerFrame_; }
    // The ticks the frames so far stand for, and the most there will be.
    int ticksDone() const { return covered_; }
    int ticksAtMost() const { return lastTick_; }

private:
    // The next frame as the window draws it, merged with nothing.
    std::optional<RecordedFrame> take();
    bool mediumAtRest() const;
    // Hundredths of a second from the start to `tick`, rounded so that the
    // delays add up to the time on screen.
    int delayUnitsAt(int tick) const;

    std::unique_ptr<Demonstrator> program_;
    int interval_;
    int ticksPerFrame_;
    bool untilAtRest_; // a pulse: the length is found on the way
    int lastTick_;
    int tick_ = 0;    // where the copy stands
    int covered_ = 0; // where the last frame taken ends
    bool started_ = false;
    bool moved_ = false;
    bool over_ = false;
    std::optional<RecordedFrame> pending_;
};

} // namespace ondel
