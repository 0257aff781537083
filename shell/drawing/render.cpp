// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/drawing/render.h"

#include "shell/state/geometry.h"
#include "shell/state/numeric.h"

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

double tracedTransverseY(const WindowState &state, const PulseWave &wave, std::int64_t time)
{
    const int position = geometry::dataPositionsPerParticle * state.tracedParticle;
    return transverseY(wave.displacement(static_cast<int>(time), position));
}

RowParticle particleAt(const PulseWave &wave, std::int64_t time, int i)
{
    const double x = geometry::particleX(i);
    const float d = wave.displacement(static_cast<int>(time), geometry::dataPositionsPerParticle * i);
    const float y = transverseY(d);
    const float xL = single(x + 500.0f * d / 2.0f);
    return RowParticle{.transverse = {x, y},
                       .transverseColours = transverseColours(i),
                       .longitudinalX = xL,
                       .longitudinalColours = longitudinalColours(i)};
}

void drawYxCurves(const WindowState &state, const PulseWave &wave, DrawList &window, const std::optional<CurveEnd> &end)
{
    if (state.yxMode == CurveMode::Off)
        return;
    const bool components = state.yxMode == CurveMode::ComponentsAndSum || state.yxMode == CurveMode::ComponentsOnly;
    const bool sum = state.yxMode == CurveMode::ComponentsAndSum || state.yxMode == CurveMode::SumOnly;
    const int t = static_cast<int>(state.timeIndex);
    for (int j = 1; j <= geometry::curvePositions; ++j) {
        const double x = geometry::dataX(j);
        const float yF = transverseY(wave.first(t, j));
        const std::int16_t yB = toInt16(transverseY(wave.second(t, j)));
        const float yS = yF + yB - 3000.0f;
        const bool onMedium = !end || j <= end->position;
        const bool reflecting = !end || end->reflecting;
        if (components) {
            window.circle({x, yF - 25.0}, geometry::dotRadius, colour::blue, colour::blue);
            if (reflecting && onMedium)
                window.circle({x, yB + 25.0}, geometry::dotRadius, colour::red, colour::red);
            else
                window.circle({x, 3000}, 1, colour::red, end->smallReflectedRim);
        }
        if (sum) {
            if (!reflecting || onMedium)
                window.circle({x, yS}, geometry::dotRadius, colour::black, colour::black);
            else
                window.circle({x, 3000}, 1, colour::black, colour::black);
        }
    }
}

} // namespace ondel::pulse_frame
