// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"

#include <optional>
#include <vector>

// The circles of a frame, in drawing order: particles, dots, trace markers.
namespace ondel::test_support {

// The circles among `ops`; with a radius, only those of that radius.
inline std::vector<CircleOp> circlesOf(const std::vector<Primitive> &ops, std::optional<double> radius = std::nullopt)
{
    std::vector<CircleOp> found;
    for (const Primitive &op : ops)
        if (const auto *circle = std::get_if<CircleOp>(&op); circle && (!radius || circle->radius == *radius))
            found.push_back(*circle);
    return found;
}

inline std::vector<CircleOp> circlesOf(const DrawList &frame, std::optional<double> radius = std::nullopt)
{
    return circlesOf(frame.ops(), radius);
}

} // namespace ondel::test_support
