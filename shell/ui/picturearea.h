// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "primitivepainter.h"
#include "repaintpacer.h"

#include <QImage>
#include <QWidget>

namespace ondel {

// Picture1: the y-t trace accumulates in a backing image, so it survives
// being covered and hidden; only a clear primitive wipes it. It is drawn
// without antialiasing so that the eraser circle leaves no ghost rim.
class PictureArea : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(const QFont &font, QWidget *parent = nullptr);

    void draw(const std::vector<Primitive> &ops);
    const QImage &image() const { return image_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The backing image grown or shrunk to the widget, keeping what it holds.
    void fitImage();

    QImage image_;
    PrimitivePainter painter_;
};

} // namespace ondel
