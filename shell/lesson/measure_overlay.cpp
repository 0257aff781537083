// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/lesson/measure_overlay.h"

#include "shell/state/geometry.h"

#include <cmath>

namespace ondel::measure {

namespace {

constexpr int toolLineWidth = 2;
constexpr int markerLineWidth = 3;
// The frame's font: a full-width character and a digit across, and the gap
// between a text's line box and the text's top.
constexpr double fullWidth = 280;
constexpr double digitWidth = 140;
constexpr double textInset = 65;
constexpr double textIndent = 150;
constexpr double numberGap = handleRadius + 20; // the numbers below the ruler and its 0 mark's handle
constexpr double readingGap = 50;               // between the marker's handle and its reading
constexpr double referenceHandleX = 500;
constexpr double rimWidth = geometry::twipsPerPixel;

int characters(const std::string &text)
{
    int count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// A box with round ends, filled: one line as wide as the box is high (both
// painters draw round caps).
void roundBox(DrawList &window, Box box, Rgb colour)
{
    const double height = box.bottom - box.top;
    const double y = (box.top + box.bottom) / 2;
    window.lineWidth(static_cast<int>(std::lround(height / geometry::twipsPerPixel)));
    window.line({box.left + height / 2, y}, {box.right - height / 2, y}, colour);
}

void framedBox(DrawList &window, Box box, Rgb face)
{
    roundBox(window, {box.left - rimWidth, box.top - rimWidth, box.right + rimWidth, box.bottom + rimWidth},
             stopwatchRim);
    roundBox(window, box, face);
}

void drawRuler(const Measure &measure, DrawList &window)
{
    const MeasureState &s = measure.state();
    const double y = s.rulerStart.y;
    const double x0 = s.rulerStart.x;
    const int spacings = measure.rulerSpacings();
    window.lineWidth(toolLineWidth);
    window.line({x0, y}, {x0 + spacings * spacing, y}, rulerColour);
    for (int k = 0; k <= spacings; ++k) {
        const double x = x0 + k * spacing;
        window.line({x, y}, {x, y - markLength}, rulerColour);
        if (k < spacings)
            window.line({x + spacing / 2, y}, {x + spacing / 2, y - halfMarkLength}, rulerColour);
        const std::string number = std::to_string(k);
        window.text({x - characters(number) * digitWidth / 2, y + numberGap}, number);
    }
    window.circle({x0, y}, handleRadius, rulerColour, colour::black);
    const Point handle = markerHandle(s);
    window.lineWidth(markerLineWidth);
    window.line({handle.x, y + halfMarkLength}, handle, markerColour);
    window.circle(handle, handleRadius, markerColour, colour::black);
    window.text({handle.x + handleRadius + readingGap, handle.y - handleRadius - textInset},
                spacingsText(s.markerOffset));
}

void drawReferenceLine(const Measure &measure, DrawList &window)
{
    const double y = measure.state().referenceY;
    window.lineWidth(toolLineWidth);
    window.line({0, y}, {measure.window().width, y}, referenceColour);
    window.circle({referenceHandleX, y}, handleRadius, referenceColour, colour::black);
}

void drawButton(DrawList &window, Box box, const std::string &caption)
{
    framedBox(window, box, buttonFace);
    const double width = characters(caption) * fullWidth;
    window.text({(box.left + box.right - width) / 2, box.top + textInset}, caption);
}

void drawStopwatch(const Measure &measure, const std::string &tickMeaning, DrawList &window)
{
    const MeasureState &s = measure.state();
    const Point at = s.stopwatchAt;
    framedBox(window, {at.x, at.y, at.x + stopwatchWidth, at.y + stopwatchHeight}, stopwatchFace);
    window.text({at.x + textIndent, at.y + stopwatchPadding + textInset}, ticksText(s.stopwatch.ticks));
    drawButton(window, startStopButton.from(at), s.stopwatch.running ? stopCaption : startCaption);
    drawButton(window, resetButton.from(at), resetCaption);
    window.text({at.x + textIndent, at.y + stopwatchPadding + stopwatchLine + textInset}, tickMeaning);
}

} // namespace

Point markerHandle(const MeasureState &state)
{
    return {state.rulerStart.x + state.markerOffset, state.rulerStart.y - markerReach};
}

void drawMeasure(const Measure &measure, const std::string &tickMeaning, DrawList &window)
{
    if (!measure.state().shown)
        return;
    drawReferenceLine(measure, window);
    drawRuler(measure, window);
    drawStopwatch(measure, tickMeaning, window);
}

} // namespace ondel::measure
