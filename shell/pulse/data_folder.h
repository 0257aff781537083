// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Where "実行/再実行" reads the file the teacher named. A file beside the
// teacher's own work wins; the shipped defaults are found from any working
// folder (a program started from the menu runs in the home folder).
namespace ondel {

// The path to read for `name` (the typed base name plus ".csv"): `name`
// itself, relative to the working folder, when something is there; otherwise
// the first of `fallbackFolders` holding it. A name with a folder in it
// (absolute, or with a '/') is the teacher's own choice and is never
// redirected; a name found nowhere comes back unchanged, so that the error
// names the file the teacher asked for.
std::string locateDataFile(const std::string &name, const std::vector<std::string> &fallbackFolders);

} // namespace ondel
