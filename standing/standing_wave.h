// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The sine wave of the standing-wave programs. A displacement of 1 is the
// full amplitude; data position x counts 50 twips per unit along the row,
// particle i standing at x = 20 i. The wave travels one particle spacing
// every timeDivisor / 6.67 ticks (3 ticks at timeDivisor 20) and has a
// wavelength of about 160 data units. Its copy run backward in time,
// averaged with it, is the standing wave: nodes at particles 4, 8, 12,
// antinodes at 2, 6, 10, 14.
namespace ondel {

// 3.14 stands for pi; the small lag it causes (nodes drifting a few twips)
// is part of the picture the class knows.
inline constexpr double angularFactor = 20.0 / 12.0 * 3.14;
inline constexpr double spatialDivisor = 133.333;

// How a program puts particle i into the wave's phase: as the particle
// number over 6.6667, or as its data position 20 i over 133.333. The two
// differ by under 1e-4 radians at particle 15.
enum class ParticlePhase { ParticleNumber, DataPosition };

class StandingWave {
public:
    StandingWave(int timeDivisor, ParticlePhase particlePhase)
        : timeDivisor_(timeDivisor), particlePhase_(particlePhase)
    {
    }

    // sin(omega (tau / timeDivisor - x / 133.333)) at data position x.
    double SineWave(std::int64_t tau, double x) const { return sine(tau, x / spatialDivisor); }

    // The same at particle i, with the program's particle phase.
    double ParticleWave(std::int64_t tau, int particle) const;

    // Ticks of one period, to the nearest whole tick.
    int periodTicks() const;
    // Ticks the wave takes to travel one particle spacing, to the nearest
    // whole tick.
    int ticksPerSpacing() const;

private:
    double sine(std::int64_t tau, double spatialTerm) const;

    int timeDivisor_;
    ParticlePhase particlePhase_;
};

} // namespace ondel
