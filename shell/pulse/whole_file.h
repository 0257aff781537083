// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Saving a file so that a failure loses nothing: the bytes go to a new file
// beside the target, are flushed to the disk and only then renamed over it.
// A full disk or a file-size limit, found on any write, the flush or the
// close, leaves the folder as it was: the old file unchanged, or none.
namespace ondel {

// Writes `bytes` to `path` whole (a symbolic link: to the file it leads to,
// keeping the link). A file replaced keeps its permissions; a new one gets
// the usual ones. Returns the errno of the first failure, or nothing.
std::optional<int> writeWholeFile(const std::string &path, std::string_view bytes);

} // namespace ondel
