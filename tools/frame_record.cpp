// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a recorded session on one program in the working folder and
// prints its hash, or with --text everything it drew, one primitive a line,
// for comparing two builds with diff:
//   frame_record PROGRAM SESSION_FILE [--text]
#include "programs/registry.h"

#include "shell/window/session.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char **argv)
{
    const bool text = argc == 4 && std::string_view(argv[3]) == "--text";
    if (argc != 3 && !text) {
        std::cerr << "usage: frame_record PROGRAM SESSION_FILE [--text]\n";
        return 2;
    }
    const auto program = ondel::makeProgram(argv[1]);
    if (!program) {
        std::cerr << "unknown program " << argv[1] << '\n';
        return 2;
    }
    std::ifstream in(argv[2], std::ios::binary);
    std::ostringstream script;
    script << in.rdbuf();
    auto parsed = ondel::parseSession(script.str());
    if (const auto *error = std::get_if<std::string>(&parsed)) {
        std::cerr << argv[2] << ": " << *error << '\n';
        return 2;
    }
    const auto &events = std::get<ondel::SessionScript>(parsed);
    if (text) {
        const bool complete = ondel::replaySession(*program, events, [](std::string_view t) { std::cout << t; });
        return complete ? 0 : 1;
    }
    const auto hash = ondel::sessionHash(*program, events);
    if (!hash) {
        std::cerr << "the session names a control " << argv[1] << " lacks\n";
        return 1;
    }
    std::cout << *hash << '\n';
}
