// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window/pulse_demonstrator.h"

#include "shell/pulse/data_folder.h"
#include "shell/pulse/pulse_file.h"

namespace ondel {

PulseDemonstrator::PulseDemonstrator(ProgramDescription description) : Demonstrator(std::move(description))
{
    // Only a window with a load button loads (the slide-bar program has none).
    if (bindsAction(layout(), Action::LoadPulse))
        onAction(Action::LoadPulse, [this] { loadPulseFile(); });
}

namespace {

// What the name box shows for a chosen file: its name without the folder
// and without the ".csv" that "実行/再実行" adds again.
std::string baseName(const std::string &path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    if (name.size() > 4 && name.ends_with(".csv"))
        name.resize(name.size() - 4);
    return name;
}

} // namespace

bool PulseDemonstrator::loadPulseFile()
{
    beforeLoad();
    if (stillShown())
        return take(opened_->data ? parsePulseFile(*opened_->data, opened_->path) : readPulseFile(opened_->path));
    return take(readPulseFile(locateDataFile(inputs().pulseFileName + ".csv", dataFolders())));
}

std::optional<std::string> PulseDemonstrator::openedPulsePath() const
{
    if (stillShown() && !opened_->data)
        return opened_->path;
    return std::nullopt;
}

bool PulseDemonstrator::openPulseFile(const std::string &path)
{
    if (!loadsPulseFiles())
        return false;
    beforeLoad();
    if (!take(readPulseFile(path)))
        return false;
    showPulseFileName(baseName(path));
    opened_ = OpenedFile{baseName(path), path, std::nullopt};
    return true;
}

bool PulseDemonstrator::openPulseData(std::string_view bytes, const std::string &fileName)
{
    if (!loadsPulseFiles())
        return false;
    beforeLoad();
    if (!take(parsePulseFile(bytes, fileName)))
        return false;
    showPulseFileName(baseName(fileName));
    opened_ = OpenedFile{baseName(fileName), fileName, std::string(bytes)};
    return true;
}

bool PulseDemonstrator::take(const PulseReadResult &result)
{
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
    afterLoad();
    return true;
}

} // namespace ondel
