// SPDX-License-Identifier: GPL-3.0-or-later
#include "primitivepainter.h"

#include "twips.h"

#include "shell/drawing/painter_contract.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace ondel {

namespace {

using painting::margin;
// Coordinates are clamped to this many pixels before they reach QPainter.
constexpr double farAway = 1e6;
// Texts kept set at most; a program writes a few, over and over.
constexpr std::size_t keptTexts = 64;

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

double clamp(double v) { return std::clamp(v, -farAway, farAway); }

} // namespace

QColor toQColor(Rgb rgb) { return QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

PrimitivePainter::PrimitivePainter(QFont textFont, bool antialiased)
    : textFont_(std::move(textFont)), scaledFont_(textFont_), textAscent_(QFontMetricsF(textFont_).ascent()),
      antialiased_(antialiased)
{
}

void PrimitivePainter::setScale(double factor)
{
    if (factor == scale_)
        return;
    scale_ = factor;
    scaledFont_ = textFont_;
    if (textFont_.pointSizeF() > 0)
        scaledFont_.setPointSizeF(textFont_.pointSizeF() * factor);
    else
        scaledFont_.setPixelSize(qRound(textFont_.pixelSize() * factor));
    textAscent_ = QFontMetricsF(scaledFont_).ascent();
    texts_.clear();
    lines_.clear();
    sprites_.clear(); // drawn afresh at the new size, never stretched
}

double PrimitivePainter::pixels(double twips) const { return pixelsOf(twips) * scale_; }

int PrimitivePainter::penWidth(int lineWidth) const { return std::max(1, qRound(lineWidth * scale_)); }

const QImage &PrimitivePainter::sprite(const SpriteKey &key)
{
    auto it = sprites_.find(key);
    if (it != sprites_.end())
        return *it;
    const double radius = pixelsOf(key.radiusTwips);
    const double extent = radius + key.lineWidth / 2.0 + 1.0;
    const int size = static_cast<int>(std::ceil(2 * extent));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialiased_);
    const QPointF centre(size / 2.0, size / 2.0);
    if (painting::showsAsDot(radius, key.lineWidth)) {
        // QPainter would draw nothing for an ellipse far smaller than a
        // pixel, whatever its pen.
        painter.setPen(Qt::NoPen);
        painter.setBrush(toQColor(key.rim));
        painter.drawEllipse(centre, key.lineWidth / 2.0, key.lineWidth / 2.0);
    } else {
        painter.setPen(QPen(toQColor(key.rim), key.lineWidth));
        painter.setBrush(toQColor(key.fill));
        painter.drawEllipse(centre, radius, radius);
    }
    painter.end();
    return *sprites_.insert(key, image);
}

void PrimitivePainter::drawCircle(QPainter &painter, QSize surface, const CircleOp &circle)
{
    if (!finite(circle.centre) || !std::isfinite(circle.radius) || circle.radius < 0)
        return;
    const double x = pixels(circle.centre.x);
    const double y = pixels(circle.centre.y);
    const int pen = penWidth(lineWidth_);
    const double reach = pixels(circle.radius) + pen;
    if (x + reach < -margin || y + reach < -margin || x - reach > surface.width() + margin ||
        y - reach > surface.height() + margin)
        return;
    const long radiusTwips = std::lround(circle.radius);
    if (radiusTwips <= painting::largestSpriteRadius) {
        const int zoomedRadius = static_cast<int>(std::lround(circle.radius * scale_));
        const QImage &image = sprite({zoomedRadius, circle.fill, circle.rim, pen});
        painter.drawImage(QPoint(qRound(x - image.width() / 2.0), qRound(y - image.height() / 2.0)), image);
        return;
    }
    painter.setPen(QPen(toQColor(circle.rim), pen));
    painter.setBrush(toQColor(circle.fill));
    painter.drawEllipse(QPointF(x, y), pixels(circle.radius), pixels(circle.radius));
}

void PrimitivePainter::drawLine(QPainter &painter, QSize surface, const LineOp &line)
{
    if (!finite(line.from) || !finite(line.to))
        return;
    const QPointF a(pixels(line.from.x), pixels(line.from.y));
    const QPointF b(pixels(line.to.x), pixels(line.to.y));
    if ((a.x() < -margin && b.x() < -margin) || (a.y() < -margin && b.y() < -margin) ||
        (a.x() > surface.width() + margin && b.x() > surface.width() + margin) ||
        (a.y() > surface.height() + margin && b.y() > surface.height() + margin))
        return;
    const QPen pen(toQColor(line.colour), penWidth(lineWidth_), Qt::SolidLine, Qt::RoundCap);
    const QPointF from(clamp(a.x()), clamp(a.y()));
    const QPointF to(clamp(b.x()), clamp(b.y()));
    if (antialiased_) {
        painter.setPen(pen);
        painter.drawLine(from, to);
    } else {
        lines_.draw(painter, surface, from, to, pen);
    }
}

const PrimitivePainter::SetText &PrimitivePainter::setText(const std::string &text) const
{
    auto it = texts_.find(text);
    if (it == texts_.end()) {
        if (texts_.size() >= keptTexts)
            texts_.clear();
        const QFontMetricsF metrics(scaledFont_);
        SetText set{QString::fromStdString(text), {}};
        const QRectF bounds = metrics.boundingRect(set.text);
        set.box = QRectF(0, 0, bounds.width() + 2, metrics.height() + 2);
        QTextLayout layout(set.text, scaledFont_);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        set.glyphs = layout.glyphRuns();
        set.ascent = line.ascent();
        it = texts_.emplace(text, std::move(set)).first;
    }
    return it->second;
}

int PrimitivePainter::lineWidthAt(const std::vector<Primitive> &ops, std::size_t end) const
{
    for (std::size_t k = std::min(end, ops.size()); k > 0; --k)
        if (const auto *width = std::get_if<LineWidthOp>(&ops[k - 1]))
            return painting::drawnLineWidth(width->pixels);
    return lineWidth_;
}

template <class Box, class Clear>
void PrimitivePainter::boxOf(const Primitive &op, int lineWidth, Box &&box, Clear &&clear) const
{
    const auto add = [&](Point a, Point b, double reach) {
        if (!finite(a) || !finite(b))
            return;
        const QPointF start(pixels(a.x), pixels(a.y));
        const QRectF touched = QRectF(start, QPointF(pixels(b.x), pixels(b.y))).normalized();
        box(touched.adjusted(-reach, -reach, reach, reach));
    };
    std::visit(
        [&](const auto &p) {
            using T = std::decay_t<decltype(p)>;
            // Room for the pen, round caps and antialiasing.
            const double pen = penWidth(lineWidth) + 2.0;
            if constexpr (std::is_same_v<T, ClearOp>) {
                clear();
            } else if constexpr (std::is_same_v<T, LineOp>) {
                add(p.from, p.to, pen);
            } else if constexpr (std::is_same_v<T, CircleOp>) {
                add(p.centre, p.centre, pixels(std::isfinite(p.radius) ? std::fabs(p.radius) : 0) + pen);
            } else if constexpr (std::is_same_v<T, TextOp>) {
                const QRectF set = setText(p.text).box;
                add(p.at, {p.at.x + twipsOf(set.width()) / scale_, p.at.y + twipsOf(set.height()) / scale_}, 2);
            }
        },
        op);
}

template <class Box, class Clear>
void PrimitivePainter::forEachBox(const std::vector<Primitive> &ops, std::size_t from, Box &&box, Clear &&clear) const
{
    int width = lineWidthAt(ops, from);
    for (std::size_t k = from; k < ops.size(); ++k) {
        if (const auto *set = std::get_if<LineWidthOp>(&ops[k]))
            width = painting::drawnLineWidth(set->pixels);
        else
            boxOf(ops[k], width, box, clear);
    }
}

QRect PrimitivePainter::drawnRect(const std::vector<Primitive> &ops, std::size_t from, QSize surface) const
{
    const QRect all(QPoint(0, 0), surface);
    QRectF extent;
    bool whole = false;
    forEachBox(ops, from, [&](const QRectF &box) { extent |= box; }, [&] { whole = true; });
    return whole ? all : (extent & QRectF(all)).toAlignedRect();
}

std::vector<QRect> PrimitivePainter::drawnBoxes(const std::vector<Primitive> &ops, QSize surface) const
{
    const QRect all(QPoint(0, 0), surface);
    std::vector<QRect> boxes;
    bool whole = false;
    forEachBox(
        ops, 0,
        [&](const QRectF &box) {
            if (const QRect on = box.toAlignedRect() & all; !on.isEmpty())
                boxes.push_back(on);
        },
        [&] { whole = true; });
    return whole ? std::vector<QRect>{all} : boxes;
}

QRect PrimitivePainter::changedRect(const std::vector<Primitive> &before, const std::vector<Primitive> &after,
                                    QSize surface) const
{
    const QRect all(QPoint(0, 0), surface);
    if (before.size() != after.size()) {
        const auto shared = static_cast<std::size_t>(
            std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first - before.begin());
        return drawnRect(before, shared, surface) | drawnRect(after, shared, surface);
    }
    // Frames of one length are compared primitive by primitive: a pixel
    // that no changed primitive can touch is drawn by the same primitives,
    // in the same order, in both, so it keeps its colour.
    QRectF extent;
    bool whole = false;
    const auto add = [&](const QRectF &box) { extent |= box; };
    const auto clear = [&] { whole = true; };
    int widthBefore = lineWidthAt(before, 0);
    int widthAfter = widthBefore;
    for (std::size_t k = 0; k < after.size() && !whole; ++k) {
        const auto *setBefore = std::get_if<LineWidthOp>(&before[k]);
        const auto *setAfter = std::get_if<LineWidthOp>(&after[k]);
        if (setBefore || setAfter) {
            // A width only changes how what follows is drawn.
            if (setBefore)
                widthBefore = painting::drawnLineWidth(setBefore->pixels);
            else
                boxOf(before[k], widthBefore, add, clear);
            if (setAfter)
                widthAfter = painting::drawnLineWidth(setAfter->pixels);
            else
                boxOf(after[k], widthAfter, add, clear);
        } else if (widthBefore != widthAfter || before[k] != after[k]) {
            boxOf(before[k], widthBefore, add, clear);
            boxOf(after[k], widthAfter, add, clear);
        }
    }
    return whole ? all : (extent & QRectF(all)).toAlignedRect();
}

void PrimitivePainter::replay(QPainter &painter, QSize surfaceSize, const std::vector<Primitive> &ops, std::size_t from)
{
    painter.setRenderHint(QPainter::Antialiasing, antialiased_);
    lineWidth_ = lineWidthAt(ops, from);
    for (std::size_t k = from; k < ops.size(); ++k) {
        std::visit(
            [&](const auto &p) {
                using T = std::decay_t<decltype(p)>;
                if constexpr (std::is_same_v<T, ClearOp>) {
                    painter.save();
                    painter.setCompositionMode(QPainter::CompositionMode_Source);
                    painter.fillRect(QRect(QPoint(0, 0), surfaceSize), toQColor(painting::background));
                    painter.restore();
                } else if constexpr (std::is_same_v<T, LineWidthOp>) {
                    lineWidth_ = painting::drawnLineWidth(p.pixels);
                } else if constexpr (std::is_same_v<T, LineOp>) {
                    drawLine(painter, surfaceSize, p);
                } else if constexpr (std::is_same_v<T, CircleOp>) {
                    drawCircle(painter, surfaceSize, p);
                } else if constexpr (std::is_same_v<T, TextOp>) {
                    if (!finite(p.at))
                        return;
                    painter.setPen(Qt::black);
                    const SetText &set = setText(p.text);
                    const QPointF top(pixels(p.at.x), pixels(p.at.y) + textAscent_ - set.ascent);
                    for (const QGlyphRun &run : set.glyphs)
                        painter.drawGlyphRun(top, run);
                }
            },
            ops[k]);
    }
}

} // namespace ondel
