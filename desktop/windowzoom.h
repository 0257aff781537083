// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zoom.h"

#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace ondel {

class FrameCanvas;
class ZoomStyle;

// The window's size on the projector. Ctrl+plus and Ctrl+minus step the
// whole window through the zoom steps, as far as the screen's available
// area holds it with its frame; full screen (F11) fills the screen with the
// client area scaled as far as it fits, centred on the background colour,
// and leaving full screen returns to the step. Every control is placed and
// set in its font (a button's caption wrapped anew) at the scale, the frame
// and Picture1 drawn at it, the style's indicators sized to it.
class WindowZoom {
public:
    WindowZoom(QWidget &window, QSize clientTwips, FrameCanvas &canvas);
    ~WindowZoom();

    // A control of the layout table, placed and set in its font now and at
    // every change of scale.
    void add(QWidget *widget, const ControlSpec &entry);

    int percent() const { return percent_; }
    const Scale &scale() const { return scale_; }

    // Whether a zoom key would change anything: never in full screen.
    bool canZoomIn() const;
    bool canZoomOut() const;
    void zoomIn();
    void zoomOut();
    void reset();

    // The window took a new size: in full screen the scale that fills it,
    // back from full screen the step's.
    void windowResized();

private:
    Scale stepScale() const;
    // The window's frame: the sum of its sides, each way, in pixels.
    QSize frame() const;
    int largestStep() const;
    void setPercent(int percent);
    // How far the window must move to keep itself, frame and all, on the
    // screen's available area at the scale's size.
    QPoint shiftOntoScreen() const;
    void apply(const Scale &scale);
    void place(QWidget &widget, const ControlSpec &entry) const;

    QWidget &window_;
    QSize clientTwips_;
    FrameCanvas &canvas_;
    std::vector<std::pair<QWidget *, const ControlSpec *>> controls_;
    int percent_ = 100;
    Scale scale_;
    std::unique_ptr<ZoomStyle> style_; // for every control
};

} // namespace ondel
