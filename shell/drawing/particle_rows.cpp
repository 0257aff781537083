// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/drawing/particle_rows.h"

#include "shell/state/geometry.h"

namespace ondel {

namespace {

// How far the upright through particle 1 reaches above and below the
// transverse axis, in twips.
constexpr double uprightAbove = 1300;
constexpr double uprightBelow = 1200;

void drawAxes(const RowAxes &axes, DrawList &window)
{
    const double uprightX = geometry::particleX(1);
    window.line({geometry::rowLeft, axes.transverseY}, {axes.end, axes.transverseY});
    window.line({geometry::rowLeft, axes.longitudinalY}, {axes.end, axes.longitudinalY});
    window.line({uprightX, axes.transverseY - uprightAbove}, {uprightX, axes.transverseY + uprightBelow});
}

} // namespace

void beginFrame(WindowState &state, const Clock &clock, const RowAxes &axes, DrawList &window)
{
    window.clear();
    advanceTime(state, clock, state.runStep);
    window.lineWidth(4);
    drawAxes(axes, window);
}

double longitudinalRowY(const WindowState &state, const RowAxes &axes)
{
    return state.longitudinalSeparate ? axes.longitudinalY : axes.transverseY;
}

void drawParticleCircles(const WindowState &state, const RowAxes &axes, const RowParticle &p, DrawList &window)
{
    if (state.transverseShown) {
        const auto [fill, rim] = p.transverseColours;
        window.circle(p.transverse, geometry::particleRadius, fill, rim);
        if (p.secondTransverseY)
            window.circle({p.transverse.x, *p.secondTransverseY}, geometry::particleRadius, fill, rim);
    }
    if (state.longitudinalShown && p.longitudinalColours) {
        const auto [fill, rim] = *p.longitudinalColours;
        window.circle({p.longitudinalX, longitudinalRowY(state, axes)}, geometry::particleRadius, fill, rim);
    }
}

void drawRows(WindowState &state, const TraceConfig &trace, const RowAxes &axes, int count,
              const ParticleOf &particleOf, DrawList &window, DrawList &picture)
{
    for (int i = 1; i <= count; ++i) {
        const RowParticle p = particleOf(i);
        drawParticleCircles(state, axes, p, window);
        if (state.transverseShown && p.traceable && tracePointDue(state, i))
            addTracePoint(state, trace, p.transverse.y, picture);
    }
}

} // namespace ondel
