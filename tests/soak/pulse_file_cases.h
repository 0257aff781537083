// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/temp_dir.h"
#include "tests/support/working_folder.h"

#include <string>
#include <vector>

// Pulse data files a teacher might hand "実行/再実行", good and bad, and
// things that only look like one (a folder, a pipe, a device), made in a
// scratch folder that goes away with the object.
namespace ondel::soak {

// What pressing "実行/再実行" on a case must do.
enum class Expect { Load, Refuse };

struct PulseFileCase {
    std::string name; // the base name typed into Text1 (".csv" is added)
    Expect expect;
    std::string what; // for test output
};

class PulseFileFolder {
public:
    PulseFileFolder();

    const std::filesystem::path &path() const { return folder_.path(); }
    const std::vector<PulseFileCase> &cases() const { return cases_; }
    // Text1 for a case, as an absolute base name.
    std::string text1(const PulseFileCase &fileCase) const;

private:
    test_support::TempDir folder_;
    std::vector<PulseFileCase> cases_;
};

// The folder of cases as the working directory, so that bare names typed
// into Text1 find them, for as long as the object lives.
class WorkingPulseFileFolder : public PulseFileFolder {
private:
    test_support::WorkingFolder working_{path()};
};

} // namespace ondel::soak
