// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulse_demonstrator.h"

#include "data_folder.h"
#include "pulse_file.h"

namespace ondel {

PulseDemonstrator::PulseDemonstrator(ProgramDescription description) : Demonstrator(std::move(description))
{
    // Only a window with a load button loads (the slide-bar program has none).
    if (bindsAction(layout(), Action::LoadPulse))
        onAction(Action::LoadPulse, [this] { loadPulseFile(); });
}

bool PulseDemonstrator::loadPulseFile()
{
    const PulseReadResult result = readPulseFile(locateDataFile(inputs().pulseFileName + ".csv", dataFolders()));
    if (const auto *error = std::get_if<PulseFileError>(&result)) {
        report(error->message);
        return false;
    }
    const auto &records = std::get<PulseRecords>(result);
    for (std::size_t k = 0; k < records.first.size(); ++k) {
        forwardPulse_.set(static_cast<int>(k + 1), records.first[k]);
        backwardPulse_.set(static_cast<int>(k + 1), records.second[k]);
    }
    state().timeIndex = 0;
    return true;
}

} // namespace ondel
