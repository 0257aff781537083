// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/command_line.h"

#include <QtGlobal>

#include <optional>

namespace ondel {

// `--help` and `--version`, answered before any window is asked for, so that
// they work without a display; or, where there is surely no display, the
// reason. The exit status when the program ends here.
std::optional<int> answerBeforeWindow(int argc, char **argv, const ProgramDescription &description);

// While it lives, Qt failing to reach a display ends the program with the
// reason in Japanese and English and exit status 1, instead of an abort
// with Qt's English message.
class DisplayFailureGuard {
public:
    explicit DisplayFailureGuard(const ProgramDescription &description);
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard &) = delete;
    DisplayFailureGuard &operator=(const DisplayFailureGuard &) = delete;

private:
    QtMessageHandler previous_;
};

} // namespace ondel
