// SPDX-License-Identifier: GPL-3.0-or-later
#include "standing_wave.h"

#include "shell/state/geometry.h"

#include <cmath>
#include <numbers>

namespace ondel {

double StandingWave::ParticleWave(std::int64_t tau, int particle) const
{
    const double spatialTerm =
        particlePhase_ == ParticlePhase::ParticleNumber ? particle / 6.6667 : double{geometry::dataPositionsPerParticle} * particle / spatialDivisor;
    return sine(tau, spatialTerm);
}

int StandingWave::periodTicks() const
{
    return static_cast<int>(std::lround(2 * std::numbers::pi * timeDivisor_ / angularFactor));
}

int StandingWave::ticksPerSpacing() const
{
    return static_cast<int>(std::lround(geometry::dataPositionsPerParticle * timeDivisor_ / spatialDivisor));
}

double StandingWave::sine(std::int64_t tau, double spatialTerm) const
{
    return std::sin(angularFactor * (static_cast<double>(tau) / timeDivisor_ - spatialTerm));
}

} // namespace ondel
