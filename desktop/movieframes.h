// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "primitivepainter.h"
#include "windowpicture.h"

#include "shell/window/recording.h"

#include <QImage>

#include <optional>

namespace ondel {

// The recording of a window painted frame by frame, as 画像を保存 paints it
// but at the window's logical size: the frame, the axis letters and
// Picture1, which goes on from what it showed when the recording began.
class MovieFrames {
public:
    struct Frame {
        QImage image;
        int delay = 0; // hundredths of a second
    };

    // `picture`: Picture1's image as on screen, at any zoom; null when none.
    MovieFrames(const Demonstrator &program, const QImage *picture);

    QSize size() const { return window_.size(); }
    std::optional<Frame> next();
    const Recording &recording() const { return recording_; }

private:
    Recording recording_;
    WindowPicture window_;
    bool pictureShown_;
    QImage picture_;
    PrimitivePainter picturePainter_; // as Picture1 draws, without antialiasing
};

} // namespace ondel
