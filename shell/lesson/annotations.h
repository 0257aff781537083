// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"
#include "shell/drawing/particle_rows.h"
#include "shell/state/state.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace ondel {

// One word of the textbook on the wave, centred at window x (twips).
struct WaveLabel {
    std::string_view word;
    double x = 0;
    friend bool operator==(const WaveLabel &, const WaveLabel &) = default;
};

// 山 and 谷 at the clear crests and troughs of the transverse row, from each
// particle's displacement (twips, upward; particle i at index i - 1).
std::vector<WaveLabel> crestsAndTroughs(const std::vector<double> &displacement);

// 密 and 疎 where the longitudinal row is clearly densest and sparsest, from
// the window x (twips) of the particles it draws, at rest and now, at the
// crowded or the open place. A particle the row leaves out does not count.
std::vector<WaveLabel> densities(const std::vector<double> &restX, const std::vector<double> &x);

// 腹 and 節 at the antinodes and nodes of a standing pattern, from the
// envelope along the medium: the largest displacement (twips) reached over
// the last period at data positions 1, 2, ... (position j at index j - 1).
// Labels stand at the positions' window x, between particles where the
// pattern puts them there. A travelling wave's even envelope has neither.
std::vector<WaveLabel> antinodesAndNodes(const std::vector<double> &envelope);

// The displacement of the medium (twips, upward) at data position x and
// time t, computed from time alone.
using MediumAt = std::function<double(std::int64_t time, int position)>;

// What the envelope is taken from: the period of the motion in ticks (0
// while there is none to measure) and the medium at the y-x curves'
// resolution.
struct StandingPattern {
    int period = 0;
    MediumAt medium;
};

// The annotations ("注釈") of one frame: the labels of the rows shown, as
// texts in lines below the rows, outside the displacement the waves are
// made for and below every particle circle already in the frame, so that
// no label covers a particle. 腹 and 節 come from the envelope over the
// last period, computed from time, not from earlier frames (a node and a
// passing zero look alike in one frame). Times in ticks, places in window
// twips.
class Annotator {
public:
    struct Rows {
        RowAxes axes;
        int count = 0;
        ParticleAt particleAt;
    };

    // `earliestTime`: the envelope reaches no further back than this.
    Annotator(Rows rows, StandingPattern pattern, std::int64_t earliestTime);

    // Appends the labels for time state.timeIndex to `window`.
    void draw(const WindowState &state, DrawList &window) const;

private:
    std::vector<double> envelope(std::int64_t now) const;

    Rows rows_;
    StandingPattern pattern_;
    std::int64_t earliestTime_;
};

} // namespace ondel
