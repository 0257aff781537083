// SPDX-License-Identifier: GPL-3.0-or-later
#include "render.h"

#include "numeric.h"

namespace ondel::pulse_frame {

namespace {

// The two particles the trace can follow keep their colour in both rows.
std::optional<ParticleColours> traceableColours(int particle)
{
    if (particle == 6)
        return ParticleColours{colour::magenta, colour::magenta};
    if (particle == 1)
        return ParticleColours{colour::green, colour::green};
    return std::nullopt;
}

} // namespace

ParticleColours transverseColours(int particle)
{
    return traceableColours(particle).value_or(ParticleColours{colour::black, colour::black});
}

ParticleColours longitudinalColours(int particle)
{
    return traceableColours(particle).value_or(ParticleColours{colour::cyan, colour::black});
}

void drawAxes(DrawList &window)
{
    window.line({200, 3000}, {15500, 3000});
    window.line({200, 5000}, {15500, 5000});
    window.line({1200, 1700}, {1200, 4200});
}

void beginFrame(WindowState &state, const Clock &clock, DrawList &window)
{
    window.clear();
    advanceTime(state, clock, state.runStep);
    window.lineWidth(4);
    drawAxes(window);
}

double tracedTransverseY(const WindowState &state, const PulseWave &wave, std::int64_t time)
{
    return transverseY(wave.displacement(static_cast<int>(time), 20 * state.tracedParticle));
}

void drawParticles(WindowState &state, const TraceConfig &trace, const PulseWave &wave, int count,
                   DrawList &window, DrawList &picture)
{
    const int t = static_cast<int>(state.timeIndex);
    const double longitudinalRowY = state.longitudinalSeparate ? 5000.0 : 3000.0;
    for (int i = 1; i <= count; ++i) {
        const double x = particleX(i);
        const float d = wave.displacement(t, 20 * i);
        const float y = transverseY(d);
        const float xL = single(x + 500.0f * d / 2.0f);
        if (state.transverseShown) {
            const auto [fill, rim] = transverseColours(i);
            window.circle({x, y}, particleRadius, fill, rim);
            if (tracePointDue(state, i))
                addTracePoint(state, trace, y, picture);
        }
        if (state.longitudinalShown) {
            const auto [fill, rim] = longitudinalColours(i);
            window.circle({xL, longitudinalRowY}, particleRadius, fill, rim);
        }
    }
}

void drawYxCurves(const WindowState &state, const PulseWave &wave, DrawList &window, const std::optional<CurveEnd> &end)
{
    if (state.yxMode == CurveMode::Off)
        return;
    const bool components = state.yxMode == CurveMode::ComponentsAndSum || state.yxMode == CurveMode::ComponentsOnly;
    const bool sum = state.yxMode == CurveMode::ComponentsAndSum || state.yxMode == CurveMode::SumOnly;
    const int t = static_cast<int>(state.timeIndex);
    for (int j = 1; j <= 300; ++j) {
        const double x = dataX(j);
        const float yF = transverseY(wave.first(t, j));
        const std::int16_t yB = toInt16(transverseY(wave.second(t, j)));
        const float yS = yF + yB - 3000.0f;
        const bool onMedium = !end || j <= end->position;
        const bool reflecting = !end || end->reflecting;
        if (components) {
            window.circle({x, yF - 25.0}, dotRadius, colour::blue, colour::blue);
            if (reflecting && onMedium)
                window.circle({x, yB + 25.0}, dotRadius, colour::red, colour::red);
            else
                window.circle({x, 3000}, 1, colour::red, end->smallReflectedRim);
        }
        if (sum) {
            if (!reflecting || onMedium)
                window.circle({x, yS}, dotRadius, colour::black, colour::black);
            else
                window.circle({x, 3000}, 1, colour::black, colour::black);
        }
    }
}

} // namespace ondel::pulse_frame
