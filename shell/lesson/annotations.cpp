// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/lesson/annotations.h"

#include "shell/lesson/clear_peaks.h"
#include "shell/state/geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ondel {

namespace {

// Twips. A crest or trough must stand a quarter of the nominal amplitude
// off the axis; a dense or open place must differ this much from the
// particles' rest spacing. Neighbours closer than the tolerance count as
// level, so a feature does not hop between them from tick to tick.
constexpr double leastCrest = 250;
constexpr double leastDensity = 50;
constexpr double tolerance = 20;
// Of the largest envelope: an antinode reaches at least the first, a node at
// most the second, and each stands out of the envelope beside it by the third.
constexpr double antinodeShare = 0.6;
constexpr double nodeShare = 0.3;
constexpr double standingOutShare = 0.25;
constexpr double restSpacing = 1000; // twips between neighbours at rest

std::vector<double> negated(std::vector<double> values)
{
    for (double &v : values)
        v = -v;
    return values;
}

// Labels at the rest places of the peaks of `values` and of their negation.
std::vector<WaveLabel> restPlaceLabels(const std::vector<double> &values, std::string_view high,
                                       std::string_view low, double leastHigh, double leastLow)
{
    std::vector<WaveLabel> labels;
    for (const double at : clearPeaks(values, leastHigh, tolerance))
        labels.push_back({high, geometry::particleX(at)});
    for (const double at : clearPeaks(negated(values), leastLow, tolerance))
        labels.push_back({low, geometry::particleX(at)});
    return labels;
}

// Window x at a particle position of clearPeaks (maybe halfway between two).
double xAt(const std::vector<double> &x, double position)
{
    const auto below = static_cast<std::size_t>(std::floor(position)) - 1;
    const auto above = static_cast<std::size_t>(std::ceil(position)) - 1;
    return (x[below] + x[above]) / 2;
}

// A particle circle's vertical reach, with the labels' gap around it.
struct Extent {
    double top;
    double bottom;
};

std::vector<Extent> particleExtents(const DrawList &window)
{
    std::vector<Extent> extents;
    for (const Primitive &op : window.ops())
        if (const auto *c = std::get_if<CircleOp>(&op); c && c->radius == geometry::particleRadius)
            extents.push_back({c->centre.y - c->radius - geometry::labelGap, c->centre.y + c->radius + geometry::labelGap});
    return extents;
}

// The first top at or below `top` whose label line meets no particle.
double clearOfParticles(double top, const std::vector<Extent> &extents)
{
    for (bool moved = true; moved;) {
        moved = false;
        for (const Extent &e : extents) {
            if (e.top < top + geometry::labelHeight && e.bottom > top) {
                top = e.bottom;
                moved = true;
            }
        }
    }
    return top;
}

} // namespace

std::vector<WaveLabel> crestsAndTroughs(const std::vector<double> &displacement)
{
    return restPlaceLabels(displacement, "山", "谷", leastCrest, leastCrest);
}

std::vector<WaveLabel> densities(const std::vector<double> &restX, const std::vector<double> &x)
{
    // How much closer than at rest each particle's drawn neighbours stand,
    // per rest spacing.
    const std::size_t n = x.size();
    std::vector<double> compression(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t left = i == 0 ? 0 : i - 1;
        const std::size_t right = std::min(i + 1, n - 1);
        const double rest = restX[right] - restX[left];
        compression[i] = right == left ? 0 : restSpacing * (1 - (x[right] - x[left]) / rest);
    }
    std::vector<WaveLabel> labels;
    for (const double at : clearPeaks(compression, leastDensity, tolerance))
        labels.push_back({"密", xAt(x, at)});
    for (const double at : clearPeaks(negated(compression), leastDensity, tolerance))
        labels.push_back({"疎", xAt(x, at)});
    return labels;
}

std::vector<WaveLabel> antinodesAndNodes(const std::vector<double> &envelope)
{
    const double largest = envelope.empty() ? 0 : *std::max_element(envelope.begin(), envelope.end());
    if (!(largest >= leastCrest))
        return {};
    const double standingOut = standingOutShare * largest;
    std::vector<WaveLabel> labels;
    for (const double at : prominentPeaks(envelope, antinodeShare * largest, standingOut, tolerance))
        labels.push_back({"腹", geometry::dataX(at)});
    for (const double at : prominentPeaks(negated(envelope), -nodeShare * largest, standingOut, tolerance))
        labels.push_back({"節", geometry::dataX(at)});
    return labels;
}

Annotator::Annotator(Rows rows, StandingPattern pattern, std::int64_t earliestTime)
    : rows_(std::move(rows)), pattern_(std::move(pattern)), earliestTime_(earliestTime)
{
}

std::vector<double> Annotator::envelope(std::int64_t now) const
{
    std::vector<double> reached(geometry::curvePositions, 0.0);
    const std::int64_t first = std::max(now - pattern_.period + 1, earliestTime_);
    for (std::int64_t t = first; t <= now; ++t)
        for (int j = 1; j <= geometry::curvePositions; ++j) {
            double &r = reached[static_cast<std::size_t>(j - 1)];
            r = std::max(r, std::abs(pattern_.medium(t, j)));
        }
    return reached;
}

void Annotator::draw(const WindowState &state, DrawList &window) const
{
    std::vector<double> displacement;
    std::vector<double> restX;
    std::vector<double> longitudinalX;
    for (int i = 1; i <= rows_.count; ++i) {
        const RowParticle p = rows_.particleAt(state.timeIndex, i);
        displacement.push_back(rows_.axes.transverseY - p.transverse.y);
        if (!p.longitudinalColours)
            continue; // left out of the longitudinal row
        restX.push_back(p.transverse.x);
        longitudinalX.push_back(p.longitudinalX);
    }

    struct Line {
        std::vector<WaveLabel> labels;
        double wantedTop;
    };
    const double belowReach = geometry::nominalReach + geometry::particleRadius + geometry::labelGap;
    std::vector<Line> lines;
    if (state.transverseShown)
        lines.push_back({crestsAndTroughs(displacement), rows_.axes.transverseY + belowReach});
    if (state.longitudinalShown)
        lines.push_back({densities(restX, longitudinalX),
                         longitudinalRowY(state, rows_.axes) + geometry::particleRadius + geometry::labelGap});
    if (pattern_.period > 0 && pattern_.medium && (state.transverseShown || state.longitudinalShown))
        lines.push_back({antinodesAndNodes(envelope(state.timeIndex)), rows_.axes.transverseY + belowReach});

    const std::vector<Extent> extents = particleExtents(window);
    double floor = -std::numeric_limits<double>::infinity();
    for (const Line &line : lines) {
        const double top = clearOfParticles(std::max(line.wantedTop, floor), extents);
        for (const WaveLabel &label : line.labels)
            window.text({label.x - geometry::labelWidth / 2.0, top}, std::string(label.word));
        floor = top + geometry::labelHeight + geometry::labelGap;
    }
}

} // namespace ondel
