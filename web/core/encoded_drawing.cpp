// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoded_drawing.h"

#include <type_traits>

namespace ondel::web {

namespace {

using painting::Opcode;

constexpr double code(Opcode op) { return static_cast<double>(op); }

} // namespace

void EncodedDrawing::clear()
{
    numbers.clear();
    texts.clear();
}

void EncodedDrawing::append(const std::vector<Primitive> &ops)
{
    auto &n = numbers;
    for (const Primitive &op : ops) {
        std::visit(
            [&](const auto &p) {
                using T = std::decay_t<decltype(p)>;
                if constexpr (std::is_same_v<T, ClearOp>) {
                    n.push_back(code(Opcode::clear));
                } else if constexpr (std::is_same_v<T, LineWidthOp>) {
                    n.insert(n.end(), {code(Opcode::lineWidth), double(p.pixels)});
                } else if constexpr (std::is_same_v<T, LineOp>) {
                    n.insert(n.end(), {code(Opcode::line), p.from.x, p.from.y, p.to.x, p.to.y, double(p.colour)});
                } else if constexpr (std::is_same_v<T, CircleOp>) {
                    n.insert(n.end(),
                             {code(Opcode::circle), p.centre.x, p.centre.y, p.radius, double(p.fill), double(p.rim)});
                } else {
                    n.insert(n.end(), {code(Opcode::text), p.at.x, p.at.y, double(texts.size())});
                    texts.push_back(p.text);
                }
            },
            op);
    }
}

} // namespace ondel::web
