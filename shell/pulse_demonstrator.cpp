#include "pulse_demonstrator.h"

#include "data_folder.h"
#include "pulse_file.h"

namespace ondel {

PulseDemonstrator::PulseDemonstrator(WindowLayout layout, Timeline timeline, const TraceConfig &trace, InitialState initial)
    : Demonstrator(std::move(layout), timeline, trace, initial)
{
    onClick("Command9", [this] { loadPulseFile(); });
}

bool PulseDemonstrator::loadPulseFile()
{
    const PulseReadResult result = readPulseFile(locateDataFile(controls().text1 + ".csv", dataFolders()));
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
