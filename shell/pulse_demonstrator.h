// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "demonstrator.h"
#include "pulse_table.h"

// A window whose wave comes from the pulse data file: it owns the two pulse
// columns and loads them on "実行/再実行" from the file whose base name is
// typed into the text box, plus ".csv".
namespace ondel {

class PulseDemonstrator : public Demonstrator {
public:
    const PulseTable &forwardPulse() const { return forwardPulse_; }
    const PulseTable &backwardPulse() const { return backwardPulse_; }

protected:
    explicit PulseDemonstrator(ProgramDescription description);

    // Reads the named file into both columns and restarts time.
    // On any error the teacher gets a message and nothing changes. Returns
    // whether the file was loaded.
    bool loadPulseFile();

private:
    PulseTable forwardPulse_;
    PulseTable backwardPulse_;
};

} // namespace ondel
