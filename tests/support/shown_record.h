// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "programs/registry.h"
#include "shell/window/session.h"

#include <string>
#include <string_view>

namespace ondel::test_support {

// A short session replayed on a freshly opened program, its record without
// the event lines: what was drawn and, `withControls`, what the timer and
// the controls showed. Two ways of doing the same thing give the same.
inline std::string shownRecord(const std::string &program, const std::string &session, bool withControls = true)
{
    std::string shown;
    const auto replayed = makeProgram(program);
    replaySession(*replayed, std::get<SessionScript>(parseSession(session)), [&](std::string_view text) {
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find('\n', start) + 1;
            const std::string_view line = text.substr(start, end - start);
            if (line[1] == ' ' && (withControls || line[0] != 'S'))
                shown += line;
            start = end;
        }
    });
    return shown;
}

} // namespace ondel::test_support
