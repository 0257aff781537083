// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/drawing/draw_list.h"

#include <QHash>
#include <QRegion>
#include <QPen>
#include <QPoint>

namespace ondel {

// Lines drawn without antialiasing at the same place over and over (the y-t
// picture's axes, drawn again at every tick to mend what the eraser cut):
// a line that keeps coming is stroked once into an image of its own and from
// then on filled as the rectangles it covered. Such a line covers its
// pixels wholly or not at all, so the fill leaves the very pixels the stroke
// would.
class LineLayers {
public:
    // Draws the line from `a` to `b` (pixels) with a round-capped `pen` onto
    // `painter`, whose device is `surface` large.
    void draw(QPainter &painter, QSize surface, QPointF a, QPointF b, const QPen &pen);
    void clear();

private:
    struct Key {
        double ax, ay, bx, by;
        int width;
        QRgb colour;
        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.ax, key.ay, key.bx, key.by, key.width, key.colour);
        }
    };
    // The pixels of the surface the line covers.
    static QRegion stroked(QSize surface, QPointF a, QPointF b, const QPen &pen);

    QHash<Key, int> seen_; // how often each line not yet kept was drawn
    QHash<Key, QRegion> layers_;
    QSize surface_; // the layers hold what falls on a surface this large
};

} // namespace ondel
