// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/description.h"

#include <string>
#include <string_view>
#include <vector>

// What a program is asked to do when started from a terminal: show its usage
// or its release and end, or open its window, with a pulse file to open as
// Ctrl+O would where one is named.
namespace ondel {

struct CommandLine {
    enum class Request { Run, Usage, Version, Fault };
    Request request = Request::Run;
    std::string file;   // Run: the pulse file to open; empty: none
    std::string output; // Usage, Version: for standard output; Fault: for standard error
    int exitStatus() const { return request == Request::Fault ? faultStatus : 0; }

    // A command line the program cannot follow, as usual for command-line tools.
    static constexpr int faultStatus = 2;
};

// `arguments` without the program's own name.
CommandLine parseCommandLine(const std::vector<std::string> &arguments, const ProgramDescription &description,
                             std::string_view version);

// Said on standard error, with exit status 1, where no window can be shown.
std::string noDisplayMessage(const ProgramDescription &description);

} // namespace ondel
