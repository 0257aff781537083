// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <optional>
#include <string>

struct GifFileType;

namespace ondel {

// An animated GIF that loops for ever, built in memory with giflib, frame by
// frame. The pictures have few colours and change in few places from one
// frame to the next, so each frame stores only the rectangle that changed,
// with the pixels that stayed the same left transparent, in a palette of
// its own colours; a frame of more than 255 colours is quantised instead.
class GifEncoder {
public:
    explicit GifEncoder(QSize size);
    ~GifEncoder();
    GifEncoder(const GifEncoder &) = delete;
    GifEncoder &operator=(const GifEncoder &) = delete;

    // A frame of the encoder's size, shown for `delay` hundredths of a
    // second. False once giflib has failed.
    bool add(const QImage &frame, int delay);
    // The whole file; none if giflib failed on the way.
    std::optional<std::string> finish();

private:
    static int collect(GifFileType *gif, const unsigned char *bytes, int length);
    bool writeLoop();
    bool writeFrame(const QImage &image, QRect changed, int delay);

    QSize size_;
    GifFileType *gif_ = nullptr;
    std::string bytes_;
    QImage previous_;
    bool failed_ = false;
};

} // namespace ondel
