// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/lesson/strobe.h"

#include <cmath>

namespace ondel {

namespace {

// The newest exposure is already clearly paler than the particle itself,
// the oldest still visible against the background.
constexpr double newestPaleness = 0.4;
constexpr double oldestPaleness = 0.85;

int channel(Rgb colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

} // namespace

Rgb paler(Rgb colour, double paleness)
{
    Rgb mixed = 0;
    for (const int shift : {16, 8, 0}) {
        const int own = channel(colour, shift);
        const int back = channel(colour::background, shift);
        const long value = std::lround(own + (back - own) * paleness);
        mixed |= static_cast<Rgb>(value) << shift;
    }
    return mixed;
}

Strobe::Strobe(const LessonTools &tools, std::int64_t earliestTime, std::int64_t latestTime)
    : count_(tools.strobeCount), spacing_(tools.strobeSpacing), earliestTime_(earliestTime), latestTime_(latestTime)
{
}

std::vector<Strobe::Exposure> Strobe::exposures(std::int64_t now, int direction) const
{
    // The picture came from later times while the clock runs backward.
    const std::int64_t step = direction < 0 ? -std::int64_t{spacing_} : spacing_;
    std::vector<Exposure> out;
    for (int k = count_; k >= 1; --k) {
        const std::int64_t time = now - k * step;
        if (time < earliestTime_ || time > latestTime_)
            continue;
        const double paleness =
            count_ == 1 ? newestPaleness
                        : newestPaleness + (oldestPaleness - newestPaleness) * (k - 1) / (count_ - 1);
        out.push_back({time, paleness});
    }
    return out;
}

void Strobe::draw(const WindowState &state, const RowAxes &axes, int count, const ParticleAt &particleAt,
                  DrawList &window) const
{
    for (const Exposure &exposure : exposures(state.timeIndex, state.direction)) {
        const auto pale = [&](ParticleColours c) {
            return ParticleColours{paler(c.fill, exposure.paleness), paler(c.rim, exposure.paleness)};
        };
        for (int i = 1; i <= count; ++i) {
            RowParticle p = particleAt(exposure.time, i);
            p.transverseColours = pale(p.transverseColours);
            if (p.longitudinalColours)
                p.longitudinalColours = pale(*p.longitudinalColours);
            drawParticleCircles(state, axes, p, window);
        }
    }
}

} // namespace ondel
