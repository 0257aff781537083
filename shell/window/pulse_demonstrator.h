// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/demonstrator.h"
#include "shell/pulse/pulse_file.h"
#include "shell/pulse/pulse_table.h"

#include <optional>
#include <string>

// A window whose wave comes from the pulse data file: it owns the two pulse
// columns and loads them on "実行/再実行" from the file whose base name is
// typed into the text box, plus ".csv".
namespace ondel {

class PulseDemonstrator : public Demonstrator {
public:
    const PulseTable &forwardPulse() const { return forwardPulse_; }
    const PulseTable &backwardPulse() const { return backwardPulse_; }

    bool openPulseFile(const std::string &path) override;
    bool openPulseData(std::string_view bytes, const std::string &fileName) override;
    std::optional<std::string> openedPulsePath() const override;

protected:
    explicit PulseDemonstrator(ProgramDescription description);

    // What a program takes over from its other controls before any load
    // (the speakers' separation).
    virtual void beforeLoad() {}
    // What a program derives from the columns once a file is taken over.
    virtual void afterLoad() {}

private:
    // Reads the file named in the name box into both columns and restarts
    // time. On any error the teacher gets a message and nothing changes.
    bool loadPulseFile();
    // Takes a read file over, or reports why it was refused.
    bool take(const PulseReadResult &result);

    // The file last opened without typing its name: "実行/再実行" reads it
    // again, not a file of the same name in the working or data folder, for
    // as long as the name box shows `shownName`.
    struct OpenedFile {
        std::string shownName;
        std::string path;                // the file, where it has a path
        std::optional<std::string> data; // its bytes, where it has none (a browser)
    };
    bool stillShown() const { return opened_ && opened_->shownName == inputs().pulseFileName; }

    std::optional<OpenedFile> opened_;
    PulseTable forwardPulse_;
    PulseTable backwardPulse_;
};

} // namespace ondel
