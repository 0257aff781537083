#include "reflection_frame.h"

#include "shell/render.h"

namespace ondel::reflection_frame {

void drawEndLine(DrawList &window, std::int16_t endSign)
{
    if (endSign == 0)
        return;
    const Rgb colour = endSign == 1 ? colour::magenta : colour::black;
    window.line({50.0 * endPosition + 250, 100}, {50.0 * endPosition + 350, 6200}, colour);
}

void drawMedium(WindowState &state, const TraceConfig &trace, const PulseWave &wave, std::int16_t endSign,
                Rgb smallReflectedRim, DrawList &window, DrawList &picture)
{
    drawEndLine(window, endSign);
    pulse_frame::drawParticles(state, trace, wave, particleCount, window, picture);
    pulse_frame::drawYxCurves(state, wave, window, pulse_frame::CurveEnd{endPosition, endSign != 0, smallReflectedRim});
}

} // namespace ondel::reflection_frame
