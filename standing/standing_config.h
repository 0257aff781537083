#pragma once

#include "standing_wave.h"

// Everything in which ondel3, ondel3a, ondel5 and ondel5a differ. The
// engine is the same; each program is one of these records.
namespace ondel {

struct StandingConfig {
    int timeDivisor = 20;    // divides the time argument of the wave
    int ytColumnWidth = 0;   // twips between y-t trace points
    int ytColumnCount = 0;   // trace columns before it starts again at the left
    int ytHistoryDepth = 2;  // earlier trace points redrawn per update: 2 or 3
    int axisEnd = 0;         // right end x of the two axis lines
    ParticlePhase particlePhase = ParticlePhase::DataPosition;
    int timerInterval = 0;   // Timer1 and the initial speed bar, ms
    int clientWidth = 0;     // twips; every program is 6360 high
    int pictureLeft = 0;     // Picture1, twips
    int pictureWidth = 0;
};

// Narrow window, slow timer, coarse trace.
inline constexpr StandingConfig ondel3Config{.timeDivisor = 20,
                                             .ytColumnWidth = 250,
                                             .ytColumnCount = 48,
                                             .ytHistoryDepth = 2,
                                             .axisEnd = 12000,
                                             .particlePhase = ParticlePhase::ParticleNumber,
                                             .timerInterval = 100,
                                             .clientWidth = 11880,
                                             .pictureLeft = 240,
                                             .pictureWidth = 11895};

// ondel3's wave and trace in the wide window.
inline constexpr StandingConfig ondel3aConfig{.timeDivisor = 20,
                                              .ytColumnWidth = 250,
                                              .ytColumnCount = 48,
                                              .ytHistoryDepth = 2,
                                              .axisEnd = 15500,
                                              .particlePhase = ParticlePhase::DataPosition,
                                              .timerInterval = 100,
                                              .clientWidth = 15240,
                                              .pictureLeft = 120,
                                              .pictureWidth = 11775};

// Narrow window, fast timer, fine trace; time runs at half the rate per tick.
inline constexpr StandingConfig ondel5Config{.timeDivisor = 40,
                                             .ytColumnWidth = 125,
                                             .ytColumnCount = 96,
                                             .ytHistoryDepth = 3,
                                             .axisEnd = 12000,
                                             .particlePhase = ParticlePhase::ParticleNumber,
                                             .timerInterval = 20,
                                             .clientWidth = 11880,
                                             .pictureLeft = 240,
                                             .pictureWidth = 11895};

// Wide window, fast timer, fine trace.
inline constexpr StandingConfig ondel5aConfig{.timeDivisor = 20,
                                              .ytColumnWidth = 125,
                                              .ytColumnCount = 96,
                                              .ytHistoryDepth = 3,
                                              .axisEnd = 15500,
                                              .particlePhase = ParticlePhase::DataPosition,
                                              .timerInterval = 20,
                                              .clientWidth = 15240,
                                              .pictureLeft = 120,
                                              .pictureWidth = 11775};

} // namespace ondel
