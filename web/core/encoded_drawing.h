// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"
#include "shell/drawing/painter_contract.h"

#include <string>
#include <vector>

// The drawing of one surface as plain numbers, so that the page can replay a
// frame of a thousand circles without a JavaScript object for each. Every
// primitive is its painting::Opcode followed by its operands, in twips:
//   clear
//   lineWidth    pixels
//   line         x1 y1 x2 y2 colour
//   circle       x y radius fill rim
//   text         x y k        (the text is texts[k])
// Colours are 0xRRGGBB.
namespace ondel::web {

struct EncodedDrawing {
    std::vector<double> numbers;
    std::vector<std::string> texts;

    void clear();
    void append(const std::vector<Primitive> &ops);
};

} // namespace ondel::web
