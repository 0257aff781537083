// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the centre of a control, in pixels of the window's client area, so
// that scripts can click it like a teacher would; without a control, the
// size of the client area (WIDTHxHEIGHT), for a window to match it:
//   control_centre PROGRAM [CONTROL]
#include "programs/registry.h"
#include "shell/state/geometry.h"

#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: control_centre PROGRAM [CONTROL]\n";
        return 2;
    }
    const auto program = ondel::makeProgram(argv[1]);
    if (!program) {
        std::cerr << "unknown program " << argv[1] << '\n';
        return 2;
    }
    using ondel::geometry::twipsPerPixel;
    const ondel::WindowLayout &layout = program->layout();
    if (argc == 2) {
        // Rounded as the window rounds it.
        const auto whole = [](int twips) { return (twips + twipsPerPixel / 2) / twipsPerPixel; };
        std::cout << whole(layout.clientWidth) << 'x' << whole(layout.clientHeight) << '\n';
        return 0;
    }
    const ondel::ControlSpec *control = layout.find(argv[2]);
    if (!control) {
        std::cerr << "no control " << argv[2] << '\n';
        return 2;
    }
    int left = control->rect.left;
    int top = control->rect.top;
    if (!control->frame.empty()) {
        const ondel::ControlSpec *frame = layout.find(control->frame);
        left += frame->rect.left;
        top += frame->rect.top;
    }
    std::cout << (left + control->rect.width / 2) / twipsPerPixel << ' ' << (top + control->rect.height / 2) / twipsPerPixel
              << '\n';
}
