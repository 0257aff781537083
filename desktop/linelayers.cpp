// SPDX-License-Identifier: GPL-3.0-or-later
#include "linelayers.h"

#include <QPainter>

namespace ondel {

namespace {

// Lines remembered as seen, and kept as images, at most: the axes are a
// few, the trace's segments many.
constexpr qsizetype keptSeen = 64;
constexpr qsizetype keptLayers = 16;
// Room around a line's ends for its caps, beyond half the pen, in pixels.
constexpr int capRoom = 2;
// A trace segment is drawn at up to three ticks running (as the newest, the
// previous and the oldest); a line drawn more often than that is kept.
constexpr int drawnBeforeKept = 4;

} // namespace

void LineLayers::clear()
{
    seen_.clear();
    layers_.clear();
}

QRegion LineLayers::stroked(QSize surface, QPointF a, QPointF b, const QPen &pen)
{
    const double reach = pen.widthF() / 2 + capRoom;
    // Only the part on the surface: a line running far off it costs no more
    // than the surface.
    const QRect box = QRectF(a, b).normalized().adjusted(-reach, -reach, reach, reach).toAlignedRect() &
                      QRect(QPoint(0, 0), surface);
    if (box.isEmpty())
        return {};
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(pen);
    // Moved by whole pixels, the line falls on the same pixels.
    painter.drawLine(a - box.topLeft(), b - box.topLeft());
    painter.end();
    QRegion covered;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            int end = x;
            while (end < image.width() && qAlpha(row[end]) != 0)
                ++end;
            if (end > x)
                covered += QRect(box.x() + x, box.y() + y, end - x, 1);
            x = end + 1;
        }
    }
    return covered;
}

void LineLayers::draw(QPainter &painter, QSize surface, QPointF a, QPointF b, const QPen &pen)
{
    if (surface != surface_) {
        clear();
        surface_ = surface;
    }
    const Key key{a.x(), a.y(), b.x(), b.y(), pen.width(), pen.color().rgb()};
    auto layer = layers_.constFind(key);
    if (layer == layers_.constEnd()) {
        const int drawn = seen_.value(key);
        if (drawn < drawnBeforeKept || !painter.transform().isIdentity()) {
            if (seen_.size() >= keptSeen && drawn == 0)
                seen_.clear();
            seen_[key] = drawn + 1;
            painter.setPen(pen);
            painter.drawLine(a, b);
            return;
        }
        seen_.remove(key);
        if (layers_.size() >= keptLayers)
            layers_.clear();
        layer = layers_.insert(key, stroked(surface, a, b, pen));
    }
    for (const QRect &run : *layer)
        painter.fillRect(run, pen.color());
}

} // namespace ondel
