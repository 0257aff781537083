// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/draw_list.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <vector>

namespace ondel {

// Replays drawing primitives onto a QPainter, twips to logical pixels times
// the window's zoom (lines, rims and text grow with it), antialiased unless
// asked otherwise. Filled circles come from a cache of pre-drawn images, since a
// frame holds hundreds of identical dots. Primitives with coordinates that
// are not finite, or that lie wholly far outside the surface, are skipped.
class PrimitivePainter {
public:
    // `antialiased` off draws every shape on whole pixels, so that a circle
    // drawn again in the background colour erases exactly what it covers.
    explicit PrimitivePainter(QFont textFont = QFont(), bool antialiased = true);

    // The zoom the shapes are drawn at: a length of t twips is t / 15 ×
    // `factor` pixels, a line width of w pixels w × `factor`, rounded.
    void setScale(double factor);
    double scale() const { return scale_; }

    // Draws `ops` onto `painter`, whose device is `surfaceSize` pixels large.
    void replay(QPainter &painter, QSize surfaceSize, const std::vector<Primitive> &ops);

    // The pixels that the shapes and texts of `ops` can touch, replayed after
    // what this painter has replayed so far; a clear is not counted. Lets a
    // surface repaint only what a frame changed instead of the whole window
    // with every control on it.
    QRect drawnExtent(const std::vector<Primitive> &ops) const;

private:
    struct SpriteKey {
        int radiusTwips; // at the zoom: the radius in pixels times 15
        Rgb fill;
        Rgb rim;
        int lineWidth;
        friend bool operator==(const SpriteKey &, const SpriteKey &) = default;
        friend size_t qHash(const SpriteKey &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.radiusTwips, key.fill, key.rim, key.lineWidth);
        }
    };

    double pixels(double twips) const;
    // The pen of the latest line width, at the zoom.
    int penWidth(int lineWidth) const;
    const QImage &sprite(const SpriteKey &key);
    void drawCircle(QPainter &painter, QSize surface, const CircleOp &circle);
    void drawLine(QPainter &painter, QSize surface, const LineOp &line);

    QFont textFont_;   // at 100%
    QFont scaledFont_; // at the zoom
    bool antialiased_;
    double scale_ = 1.0;
    int lineWidth_ = 1;
    QHash<SpriteKey, QImage> sprites_;
};

QColor toQColor(Rgb rgb);

} // namespace ondel
