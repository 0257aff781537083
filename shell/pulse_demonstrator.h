#pragma once

#include "demonstrator.h"
#include "pulse_table.h"

// A window whose wave comes from the pulse data file: it owns the two pulse
// columns and loads them with "実行/再実行" (Command9) from the file named in
// Text1 plus ".csv".
namespace ondel {

class PulseDemonstrator : public Demonstrator {
public:
    const PulseTable &forwardPulse() const { return forwardPulse_; }
    const PulseTable &backwardPulse() const { return backwardPulse_; }

protected:
    PulseDemonstrator(WindowLayout layout, Timeline timeline, const TraceConfig &trace, InitialState initial);

    // Reads the file named by Text1 into both columns and restarts time.
    // On any error the teacher gets a message and nothing changes. Returns
    // whether the file was loaded.
    bool loadPulseFile();

private:
    PulseTable forwardPulse_;
    PulseTable backwardPulse_;
};

} // namespace ondel
