// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window/demonstrator.h"

#include "shell/lesson/annotations.h"
#include "shell/lesson/measure_overlay.h"
#include "shell/state/geometry.h"
#include "shell/state/handlers.h"
#include "shell/lesson/readings_table.h"
#include "shell/lesson/strobe.h"

#include <algorithm>
#include <limits>

namespace ondel {

Demonstrator::Demonstrator(ProgramDescription description)
    : description_(std::move(description)), lessons_(description_.lessons)
{
    state_.transverseShown = description_.initial.transverseShown;
    state_.yxMode = description_.initial.yxMode;
    state_.timerInterval = description_.clock.timerInterval;
    for (const ControlSpec &control : description_.layout.controls) {
        if (control.action == Action::PulseFileName)
            inputs_.pulseFileName = control.caption;
        else if (control.action == Action::Separation)
            inputs_.separation = control.caption;
        else if (control.action == Action::SlideBar)
            inputs_.slideBar = control.range.value;
        else if (control.action == Action::Speed)
            inputs_.speedBar = control.range.value;
    }

    WindowState &s = state_;
    const Clock &clock = description_.clock;
    onAction(Action::ToggleTransverse, [&s] { toggleTransverse(s); });
    onAction(Action::ToggleLongitudinal, [&s] { toggleLongitudinal(s); });
    onAction(Action::StopOrStep, [this, &s, &clock] {
        const bool stepping = s.runStep == 0;
        stopOrStep(s, clock);
        if (stepping && measure_)
            measure_->countTick(); // a single step is a tick of its own
    });
    onAction(Action::Resume, [&s, &clock] { resume(s, clock); });
    onAction(Action::Reverse, [&s] { reverse(s); });
    onAction(Action::NextCurveMode, [&s, &clock] { nextCurveMode(s, clock); });
    onAction(Action::ToggleTrace, [this] {
        toggleTrace(state_, traceConfig(), [this](std::int64_t t) { return tracedWindowY(t); }, picture_);
        if (state_.ytColumn != 0)
            traceReadings_.clear(); // the picture was cleared
    });
    onAction(Action::RowsSeparate, [&s] { showRowsSeparate(s); });
    onAction(Action::RowsOverlaid, [&s] { showRowsOverlaid(s); });
    onAction(Action::TraceGreen, [&s] { traceParticle(s, geometry::greenParticle); });
    onAction(Action::TraceRed, [&s] { traceParticle(s, geometry::redParticle); });
    onAction(Action::ToggleStrobe, [this] { lessons_.strobe = !lessons_.strobe; });
    onAction(Action::ToggleAnnotations, [this] { lessons_.annotations = !lessons_.annotations; });
    onAction(Action::StartStopStopwatch, [this] {
        measureTools().startOrStop();
        redrawMeasure();
    });
    onAction(Action::ResetStopwatch, [this] {
        measureTools().reset();
        redrawMeasure();
    });
}

Demonstrator::Demonstrator(const Demonstrator &other)
    : description_(other.description_), state_(other.state_), lessons_(other.lessons_), inputs_(other.inputs_),
      dataFolders_(other.dataFolders_), frame_(other.frame_), picture_(other.picture_),
      traceReadings_(other.traceReadings_), measure_(other.measure_), measureStart_(other.measureStart_)
{
}

void Demonstrator::onAction(Action action, std::function<void()> handler)
{
    actions_[action] = std::move(handler);
}

bool Demonstrator::perform(Action action)
{
    const auto it = actions_.find(action);
    if (it == actions_.end())
        return false;
    it->second();
    return true;
}

void Demonstrator::setValue(Action action, int value)
{
    if (action == Action::Speed) {
        inputs_.speedBar = value;
        setSpeed(state_, value);
    }
    else if (action == Action::SlideBar)
        inputs_.slideBar = value;
    else if (action == Action::StrobeCount)
        chooseStrobeCount(lessons_, value);
    else if (action == Action::StrobeSpacing)
        chooseStrobeSpacing(lessons_, value);
}

void Demonstrator::setText(Action action, std::string text)
{
    if (action == Action::PulseFileName)
        inputs_.pulseFileName = std::move(text);
    else if (action == Action::Separation)
        inputs_.separation = std::move(text);
}

bool Demonstrator::openPulseFile(const std::string &) { return false; }

bool Demonstrator::openPulseData(std::string_view, const std::string &) { return false; }

SavedFile Demonstrator::drawnPulseFile() const
{
    return {std::nullopt, "このプログラムにはスライドバーで描いたパルスがありません。"};
}

SavedFile Demonstrator::readingsFile() const { return {readingsTable(particleReadings(), traceReadings_), {}}; }

// Read from the particles at the current tick when asked, not kept at every tick.
std::vector<ParticleReading> Demonstrator::particleReadings() const
{
    // Both rows read back as the displacement itself, whatever each draws it as.
    const std::int64_t now = state_.timeIndex;
    const RowAxes axes = rowAxes();
    std::vector<ParticleReading> readings;
    for (int i = 1; i <= particleCount(); ++i) {
        const RowParticle p = particleAt(now, i);
        readings.push_back({now, i, (axes.transverseY - p.transverse.y) / twipsPerSpacing,
                            (p.longitudinalX - p.transverse.x) / axes.longitudinalShift});
    }
    return readings;
}

void Demonstrator::nextFrame()
{
    frame_.reset();
    // Only a stopwatch someone has shown can be counting: the tools are made then.
    if (measure_ && state_.runStep != 0)
        measure_->countTick();
    const int column = state_.ytColumn;
    drawFrame(frame_);
    // A trace point moves the trace on a column; it is the traced particle's
    // window y, and the picture's time axis is the row's axis.
    if (state_.ytColumn != column) {
        const TraceConfig &trace = traceConfig();
        const double pictureY = trace.scale * state_.ytPrevY1 + trace.offset;
        traceReadings_.push_back({state_.timeIndex, (geometry::timeAxisY - pictureY) / (trace.scale * twipsPerSpacing)});
        if (traceReadings_.size() > static_cast<std::size_t>(trace.columnCount))
            traceReadings_.pop_front();
    }
    if (lessons_.annotations) {
        const Annotator annotator({rowAxes(), particleCount(), [this](std::int64_t t, int i) { return particleAt(t, i); }},
                                  standingPattern(), earliestTime());
        annotator.draw(state_, frame_);
    }
    measureStart_ = frame_.size();
    redrawMeasure();
}

namespace {

// The lowest edge of the buttons, bars and frames along the window's top.
double controlsBottom(const WindowLayout &layout)
{
    int bottom = 0;
    for (const ControlSpec &c : layout.controls)
        if (c.frame.empty() && c.kind != ControlKind::Label && c.kind != ControlKind::Picture)
            bottom = std::max(bottom, c.rect.top + c.rect.height);
    return bottom;
}

} // namespace

Measure &Demonstrator::measureTools()
{
    if (!measure_)
        measure_.emplace(Measure::Window{static_cast<double>(layout().clientWidth),
                                         static_cast<double>(layout().clientHeight), rowAxes().transverseY,
                                         controlsBottom(layout())});
    return *measure_;
}

const MeasureState &Demonstrator::measure() const
{
    static const MeasureState unused;
    return measure_ ? measure_->state() : unused;
}

void Demonstrator::toggleMeasure()
{
    measureTools().toggleShown();
    pointer_.up();
    redrawMeasure();
}

bool Demonstrator::pointerDown(Point at)
{
    const bool taken = pointer_.down(measureTools(), at);
    if (taken)
        redrawMeasure(); // a stopwatch's button
    return taken;
}

bool Demonstrator::pointerMove(Point at, bool free)
{
    const bool moved = pointer_.move(measureTools(), at, free);
    if (moved)
        redrawMeasure();
    return moved;
}

int Demonstrator::ticksPerSpacing() const { return geometry::dataPositionsPerParticle; }

void Demonstrator::redrawMeasure()
{
    frame_.truncate(measureStart_);
    if (measure_)
        measure::drawMeasure(*measure_, measure::tickMeaning(ticksPerSpacing()), frame_);
}

std::int64_t Demonstrator::earliestTime() const
{
    return clock().timeLimit ? 0 : std::numeric_limits<std::int64_t>::min();
}

std::int64_t Demonstrator::latestTime() const
{
    return clock().timeLimit.value_or(std::numeric_limits<std::int64_t>::max());
}

void Demonstrator::startFrame(DrawList &window)
{
    beginFrame(state_, clock(), rowAxes(), window);
    if (lessons_.strobe)
        Strobe(lessons_, earliestTime(), latestTime())
            .draw(state_, rowAxes(), particleCount(), [this](std::int64_t t, int i) { return particleAt(t, i); }, window);
}

void Demonstrator::drawCurrentRows(DrawList &window)
{
    const std::int64_t now = state_.timeIndex;
    drawRows(state_, traceConfig(), rowAxes(), particleCount(), [&](int i) { return particleAt(now, i); }, window,
             picture_);
}

} // namespace ondel
