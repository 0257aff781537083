// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "primitivepainter.h"
#include "repaintpacer.h"

#include <QWidget>

namespace ondel {

// The window's own drawing surface, behind the controls: shows the frame of
// the latest tick and repaints it whenever it is uncovered.
class FrameCanvas : public QWidget {
    Q_OBJECT
public:
    explicit FrameCanvas(QWidget *parent = nullptr);

    void setFrame(const std::vector<Primitive> &ops);
    // The window's zoom: the frame is drawn `factor` times its 100% size.
    void setScale(double factor);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<Primitive> ops_;
    QRect drawn_; // what the latest frame drew
    PrimitivePainter painter_;
    RepaintPacer pacer_;
};

} // namespace ondel
