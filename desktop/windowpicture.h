// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "primitivepainter.h"

#include "shell/state/layout.h"

#include <QImage>

#include <optional>
#include <vector>

namespace ondel {

// The window's drawing as a picture for a worksheet or a slide: a frame,
// the axis letters and, when shown, Picture1 with its border, the controls
// left out; drawn afresh at `scale` times the window's logical size, as
// the zoom draws, so nothing is stretched.
class WindowPicture {
public:
    WindowPicture(const WindowLayout &layout, int scale);

    QSize size() const { return size_; }
    // Picture1's place in the picture; none in a window without it.
    std::optional<QRect> pictureRect() const { return pictureRect_; }
    // `picture`: Picture1's image, drawn into its place; null when hidden.
    QImage draw(const std::vector<Primitive> &frame, const QImage *picture);

private:
    const WindowLayout &layout_;
    int scale_;
    QSize size_;
    std::optional<QRect> pictureRect_;
    PrimitivePainter painter_;
};

} // namespace ondel
