// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pulse/pulse_writer.h"

#include "shell/state/decimal_text.h"

namespace ondel {

std::string pulseFileText(const std::vector<float> &firstColumn)
{
    std::string text;
    for (const float value : firstColumn)
        text += shortestDecimal(value) + ",0\n";
    return text;
}

} // namespace ondel
