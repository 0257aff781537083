// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"

#include <string>
#include <vector>

// The drawing of one surface as plain numbers, so that the page can replay a
// frame of a thousand circles without a JavaScript object for each. Every
// primitive is its opcode followed by its operands, in twips:
//   clear                 0
//   line width            1 pixels
//   line                  2 x1 y1 x2 y2 colour
//   circle                3 x y radius fill rim
//   text                  4 x y k        (the text is texts[k])
// Colours are 0xRRGGBB.
namespace ondel::web {

enum Opcode { opClear = 0, opLineWidth = 1, opLine = 2, opCircle = 3, opText = 4 };

struct EncodedDrawing {
    std::vector<double> numbers;
    std::vector<std::string> texts;

    void clear();
    void append(const std::vector<Primitive> &ops);
};

} // namespace ondel::web
