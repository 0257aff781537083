// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linelayers.h"
#include "shell/drawing/draw_list.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <string>
#include <unordered_map>
#include <vector>

namespace ondel {

// Replays drawing primitives onto a QPainter, twips to logical pixels,
// antialiased unless asked otherwise. Filled circles come from a cache of
// pre-drawn images, since a frame holds hundreds of identical dots. Primitives with coordinates that
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

    // Draws `ops` onto `painter`, whose device is `surfaceSize` pixels large;
    // from `from` on, as they show over the earlier ones already drawn (with
    // the line width those set), so that a surface can keep the head of a
    // frame drawn once.
    void replay(QPainter &painter, QSize surfaceSize, const std::vector<Primitive> &ops, std::size_t from = 0);

    // The pixels of a `surface` that ops[from..] can touch, replayed after
    // the earlier ones and what this painter has replayed so far; a clear
    // takes in the whole surface. Lets a surface repaint only what a frame
    // changed instead of the whole window with every control on it.
    QRect drawnRect(const std::vector<Primitive> &ops, std::size_t from, QSize surface) const;
    // The same pixels as boxes, one for each shape and text (they may
    // overlap), without the room between them; the whole surface for a clear.
    std::vector<QRect> drawnBoxes(const std::vector<Primitive> &ops, QSize surface) const;
    // The pixels of a `surface` showing the frame `before` that differ once
    // it shows `after` instead: where the primitives that changed between
    // them lie, so that a tick that moves a few dots repaints only those.
    QRect changedRect(const std::vector<Primitive> &before, const std::vector<Primitive> &after, QSize surface) const;

private:
    struct SpriteKey {
        int radiusTwips;
        Rgb fill;
        Rgb rim;
        int lineWidth;
        friend bool operator==(const SpriteKey &, const SpriteKey &) = default;
        friend size_t qHash(const SpriteKey &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.radiusTwips, key.fill, key.rim, key.lineWidth);
        }
    };

    // A text as the surface's font sets it, converted, measured and shaped
    // once: a program writes the same few at every tick.
    struct SetText {
        QString text;
        QRectF box; // from the top-left corner given, with room for the glyphs' overhang
        QList<QGlyphRun> glyphs; // placed on a baseline `ascent` below the top
        double ascent = 0;
    };

    // Calls `box` with the pixels `op` can touch, drawn with the pen of
    // `lineWidth`, or `clear` for a clear.
    template <class Box, class Clear>
    void boxOf(const Primitive &op, int lineWidth, Box &&box, Clear &&clear) const;
    // Calls `box` with the pixels each shape or text of ops[from..] can
    // touch, and `clear` for a clear.
    template <class Box, class Clear>
    void forEachBox(const std::vector<Primitive> &ops, std::size_t from, Box &&box, Clear &&clear) const;
    // The line width in effect after ops[0..end).
    int lineWidthAt(const std::vector<Primitive> &ops, std::size_t end) const;
    const SetText &setText(const std::string &text) const;
    double pixels(double twips) const;
    // The pen of the latest line width, at the zoom.
    int penWidth(int lineWidth) const;
    const QImage &sprite(const SpriteKey &key);
    void drawCircle(QPainter &painter, QSize surface, const CircleOp &circle);
    void drawLine(QPainter &painter, QSize surface, const LineOp &line);

    QFont textFont_;   // at 100%
    QFont scaledFont_; // at the zoom
    double textAscent_;
    bool antialiased_;
    double scale_ = 1.0;
    int lineWidth_ = 1;
    QHash<SpriteKey, QImage> sprites_;
    LineLayers lines_; // only without antialiasing
    // The few texts a program writes, at every tick.
    mutable std::unordered_map<std::string, SetText> texts_;
};

QColor toQColor(Rgb rgb);

} // namespace ondel
