// SPDX-License-Identifier: GPL-3.0-or-later
#include "standing_demonstrator.h"

#include "shell/clock.h"

namespace ondel {

namespace {

constexpr int particleCount = 15;
constexpr double particleRadius = 300;
constexpr double dotRadius = 40;
constexpr double transverseAxisY = 2000;

// Picture y = window y - 600: the row's axis at 2000 lands on the picture's
// time axis at 1400.
TraceConfig standingTraceConfig(const StandingRules &rules)
{
    return {.columnWidth = rules.timer.ytColumnWidth,
            .columnCount = rules.timer.ytColumnCount,
            .historyDepth = rules.timer.ytHistoryDepth,
            .oldestRounded = true,
            .scale = 1,
            .offset = -600,
            .redMarkerFill = colour::red,
            .redMarkerRim = colour::red};
}

double transverseY(double sine) { return transverseAxisY - 1000 * sine; }

struct Colours {
    Rgb fill;
    Rgb rim;
};

// Particle 1 (traced as 緑) and particle 6 (赤) stand out in both rows.
Colours transverseColours(int particle)
{
    if (particle == 6)
        return {colour::red, colour::red};
    if (particle == 1)
        return {colour::green, colour::green};
    return {colour::blue, colour::blue};
}

Colours longitudinalColours(int particle)
{
    if (particle == 6)
        return {colour::magenta, colour::red};
    if (particle == 1)
        return {colour::yellow, colour::green};
    return {colour::cyan, colour::blue};
}

// The arrow of the direction of travel on the row at y.
void drawArrow(DrawList &window, double y, int direction)
{
    const Point tip{8100.0 + 600 * direction, y};
    window.line({7500, y}, {8700, y});
    window.line(tip, {8100.0 + 300 * direction, y - 200});
    window.line(tip, {8100.0 + 300 * direction, y + 200});
}

} // namespace

ProgramDescription standingProgram(ProgramIdentity identity, const StandingRules &rules)
{
    const Clock clock = sineClock(rules.timer.interval);
    return {.identity = std::move(identity),
            .layout = {rules.window.clientWidth, 6360,
                       sineWindowControls(rules.window.pictureLeft, rules.window.pictureWidth, clock.timerInterval)},
            .clock = clock,
            .trace = standingTraceConfig(rules),
            .initial = {.transverseShown = true, .yxMode = CurveMode::Off},
            .defaultFile = {},
            .engine = engineOf<StandingDemonstrator>(rules)};
}

StandingDemonstrator::StandingDemonstrator(ProgramDescription description, const StandingRules &rules)
    : Demonstrator(std::move(description)), rules_(rules), wave_(rules.timeDivisor, rules.particlePhase)
{
    onAction(Action::ToggleStandingWave, [this] { standingWaveOn_ = !standingWaveOn_; });
}

double StandingDemonstrator::shown(double forward, double backward) const
{
    return standingWaveOn_ ? (forward + backward) / 2 : forward;
}

void StandingDemonstrator::drawFrame(DrawList &window)
{
    window.clear();
    advanceTime(state(), clock(), state().runStep);
    window.lineWidth(4);
    drawAxes(window);
    drawDirectionArrows(window);
    drawParticles(window);
    drawYxCurve(window);
}

void StandingDemonstrator::drawAxes(DrawList &window) const
{
    const double end = rules_.window.axisEnd;
    window.line({200, 2000}, {end, 2000});
    window.line({200, 4000}, {end, 4000});
    window.line({1200, 700}, {1200, 3200});
}

// A standing wave goes nowhere, so it gets no arrows.
void StandingDemonstrator::drawDirectionArrows(DrawList &window) const
{
    if (standingWaveOn_)
        return;
    const WindowState &s = state();
    drawArrow(window, 1000, s.direction);
    if (s.longitudinalShown && s.longitudinalSeparate)
        drawArrow(window, 5000, s.direction);
}

void StandingDemonstrator::drawParticles(DrawList &window)
{
    WindowState &s = state();
    const std::int64_t t = s.timeIndex;
    const double longitudinalRowY = s.longitudinalSeparate ? 4000.0 : 2000.0;
    for (int i = 1; i <= particleCount; ++i) {
        const double x = 1000.0 * i + 200;
        const double forward = wave_.ParticleWave(t, i);
        const double backward = wave_.ParticleWave(-t, i);
        const double y = shown(transverseY(forward), transverseY(backward));
        const double xL = shown(x + 500 * forward, x + 500 * backward);
        if (s.transverseShown) {
            const auto [fill, rim] = transverseColours(i);
            window.circle({x, y}, particleRadius, fill, rim);
            if (tracePointDue(s, i))
                addTracePoint(s, traceConfig(), y, picture());
        }
        if (s.longitudinalShown) {
            const auto [fill, rim] = longitudinalColours(i);
            window.circle({xL, longitudinalRowY}, particleRadius, fill, rim);
        }
    }
}

// While the wave runs forward the coarse mode shows only every 20th sample,
// the 15 dots j = 1, 21, ..., 281.
void StandingDemonstrator::drawYxCurve(DrawList &window) const
{
    const WindowState &s = state();
    if (s.yxMode == CurveMode::Off)
        return;
    const int step = s.yxMode == CurveMode::Sparse && s.runStep == 1 ? 20 : 1;
    const std::int64_t t = s.timeIndex;
    for (int j = 1; j <= 300; j += step) {
        const double y = shown(transverseY(wave_.SineWave(t, j)), transverseY(wave_.SineWave(-t, j)));
        window.circle({50.0 * j + 200, y}, dotRadius, colour::black, colour::black);
    }
}

double StandingDemonstrator::tracedWindowY(std::int64_t time) const
{
    return transverseY(wave_.ParticleWave(time, state().tracedParticle));
}

} // namespace ondel
