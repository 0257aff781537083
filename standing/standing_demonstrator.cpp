// SPDX-License-Identifier: GPL-3.0-or-later
#include "standing_demonstrator.h"

#include "shell/state/geometry.h"
#include "shell/drawing/particle_rows.h"

#include <algorithm>

namespace ondel {

namespace {

constexpr double transverseAxisY = 2000;
constexpr double longitudinalAxisY = 4000;
// Twips along the row per unit of displacement: twice the pulse programs'.
constexpr double longitudinalShift = 500;

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

// An eighth of a period between exposures.
LessonDefaults standingLessons(const StandingWave &wave)
{
    constexpr int exposuresPerPeriod = 8;
    const int period = wave.periodTicks();
    return {.strobeCount = 4, .strobeSpacing = std::max(1, period / exposuresPerPeriod), .marksNodes = true};
}

double transverseY(double sine) { return transverseAxisY - 1000 * sine; }

// Particle 1 (traced as 緑) and particle 6 (赤) stand out in both rows.
ParticleColours transverseColours(int particle)
{
    if (particle == 6)
        return {colour::red, colour::red};
    if (particle == 1)
        return {colour::green, colour::green};
    return {colour::blue, colour::blue};
}

ParticleColours longitudinalColours(int particle)
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
            .lessons = standingLessons(StandingWave(rules.timeDivisor, rules.particlePhase)),
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

std::unique_ptr<Demonstrator> StandingDemonstrator::copy() const
{
    return std::unique_ptr<Demonstrator>(new StandingDemonstrator(*this));
}

void StandingDemonstrator::drawFrame(DrawList &window)
{
    startFrame(window);
    drawDirectionArrows(window);
    drawCurrentRows(window);
    drawYxCurve(window);
}

RowAxes StandingDemonstrator::rowAxes() const
{
    return {transverseAxisY, longitudinalAxisY, static_cast<double>(rules_.window.axisEnd), longitudinalShift};
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

int StandingDemonstrator::particleCount() const { return geometry::fullRowParticles; }

RowParticle StandingDemonstrator::particleAt(std::int64_t time, int i) const
{
    const double x = geometry::particleX(i);
    const double forward = wave_.ParticleWave(time, i);
    const double backward = wave_.ParticleWave(-time, i);
    return RowParticle{.transverse = {x, shown(transverseY(forward), transverseY(backward))},
                       .transverseColours = transverseColours(i),
                       .longitudinalX = shown(x + longitudinalShift * forward, x + longitudinalShift * backward),
                       .longitudinalColours = longitudinalColours(i)};
}

// While the wave runs forward the coarse mode shows only every 20th sample,
// the 15 dots j = 1, 21, ..., 281.
void StandingDemonstrator::drawYxCurve(DrawList &window) const
{
    const WindowState &s = state();
    if (s.yxMode == CurveMode::Off)
        return;
    const int step = s.yxMode == CurveMode::Sparse && s.runStep == 1 ? geometry::dataPositionsPerParticle : 1;
    const std::int64_t t = s.timeIndex;
    for (int j = 1; j <= geometry::curvePositions; j += step) {
        const double y = shown(transverseY(wave_.SineWave(t, j)), transverseY(wave_.SineWave(-t, j)));
        window.circle({geometry::dataX(j), y}, geometry::dotRadius, colour::black, colour::black);
    }
}

// The medium as the y-x curve samples it, over one period of the sine.
StandingPattern StandingDemonstrator::standingPattern() const
{
    return {wave_.periodTicks(), [this](std::int64_t t, int j) {
                return transverseAxisY - shown(transverseY(wave_.SineWave(t, j)), transverseY(wave_.SineWave(-t, j)));
            }};
}

double StandingDemonstrator::tracedWindowY(std::int64_t time) const
{
    return transverseY(wave_.ParticleWave(time, state().tracedParticle));
}

} // namespace ondel
