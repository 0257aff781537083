// SPDX-License-Identifier: GPL-3.0-or-later
#include "reflection_frame.h"

#include "shell/drawing/render.h"

namespace ondel::reflection_frame {

void drawEndLine(DrawList &window, EndCondition end)
{
    if (end == EndCondition::NonReflecting)
        return;
    const Rgb colour = end == EndCondition::Free ? colour::magenta : colour::black;
    window.line({50.0 * endPosition + 250, 100}, {50.0 * endPosition + 350, 6200}, colour);
}

void drawYxCurves(const WindowState &state, const PulseWave &wave, EndCondition end, Rgb smallReflectedRim,
                  DrawList &window)
{
    const bool reflecting = end != EndCondition::NonReflecting;
    pulse_frame::drawYxCurves(state, wave, window, pulse_frame::CurveEnd{endPosition, reflecting, smallReflectedRim});
}

} // namespace ondel::reflection_frame
