// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "primitivepainter.h"
#include "repaintpacer.h"

#include <QImage>
#include <QWidget>

#include <cstddef>

namespace ondel {

// Picture1: the y-t trace accumulates in a backing image, so it survives
// being covered and hidden; only a clear primitive wipes it. It is drawn
// without antialiasing so that the eraser circle leaves no ghost rim.
//
// A change of zoom draws the picture afresh at the new size from what was
// drawn since the latest clear, as crisp as if it had been drawn so from the
// start. A trace running so long that this would cost too much memory and
// time (over `historyLimit` primitives: some 2 MB and a quarter of a second,
// 35 seconds of the fastest trace) is kept as the image alone, which a change
// of zoom then scales.
class PictureArea : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(const QFont &font, QWidget *parent = nullptr, std::size_t historyLimit = 40000);

    void draw(const std::vector<Primitive> &ops);
    // The window's zoom: the picture is drawn anew, or scaled, at its size,
    // and the trace goes on at it.
    void setScale(double factor);
    const QImage &image() const { return image_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The backing image grown or shrunk to the widget, keeping what it holds.
    void fitImage();
    void remember(const std::vector<Primitive> &ops);

    QImage image_;
    PrimitivePainter painter_;
    // What the image holds, from the latest clear on, while it is short.
    std::vector<Primitive> history_;
    bool historyWhole_ = true;
    std::size_t historyLimit_;
    int lineWidth_ = 1;             // the latest line width drawn
    std::vector<QRgb> underShapes_; // what a tick's shapes drew over
};

} // namespace ondel
