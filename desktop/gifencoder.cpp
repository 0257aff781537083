// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifencoder.h"

#include <gif_lib.h>

#include <QHash>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace ondel {

namespace {

constexpr int paletteLimit = 256;
constexpr int colourResolution = 8;
// The application extension that players read as "loop": 0 times = for ever.
constexpr std::array<GifByteType, 11> loopExtension{'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
constexpr std::array<GifByteType, 3> loopForever{1, 0, 0};

struct MapDeleter {
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

// The rectangle in which `image` differs from `before`; empty where nothing does.
QRect changedRect(const QImage &image, const QImage &before)
{
    if (before.isNull())
        return image.rect();
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *now = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const auto *was = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (now[x] == was[x])
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

int powerOfTwoAtLeast(int n)
{
    int size = 2;
    while (size < n)
        size *= 2;
    return size;
}

ColourMap colourMap(const std::vector<GifColorType> &colours)
{
    std::vector<GifColorType> padded(colours);
    padded.resize(static_cast<std::size_t>(powerOfTwoAtLeast(static_cast<int>(colours.size()))));
    return ColourMap(GifMakeMapObject(static_cast<int>(padded.size()), padded.data()));
}

// The pixels of `rect` as indices into a palette of their own colours, the
// pixels unchanged since `before` as the index after them. None over 255 colours.
std::optional<std::vector<GifByteType>> ownColours(const QImage &image, const QImage &before, QRect rect,
                                                   std::vector<GifColorType> &palette, int &transparent)
{
    QHash<QRgb, GifByteType> index;
    std::vector<GifByteType> pixels;
    pixels.reserve(static_cast<std::size_t>(rect.width()) * static_cast<std::size_t>(rect.height()));
    std::vector<std::size_t> unchanged;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto *now = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const auto *was = before.isNull() ? nullptr : reinterpret_cast<const QRgb *>(before.constScanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (was && was[x] == now[x]) {
                unchanged.push_back(pixels.size());
                pixels.push_back(0);
                continue;
            }
            const QRgb rgb = now[x] & RGB_MASK;
            auto it = index.find(rgb);
            if (it == index.end()) {
                if (index.size() >= paletteLimit - 1)
                    return std::nullopt;
                it = index.insert(rgb, static_cast<GifByteType>(index.size()));
                palette.push_back({static_cast<GifByteType>(qRed(rgb)), static_cast<GifByteType>(qGreen(rgb)),
                                   static_cast<GifByteType>(qBlue(rgb))});
            }
            pixels.push_back(it.value());
        }
    }
    transparent = NO_TRANSPARENT_COLOR;
    if (!unchanged.empty()) {
        transparent = static_cast<int>(palette.size());
        palette.push_back({});
        for (const std::size_t at : unchanged)
            pixels[at] = static_cast<GifByteType>(transparent);
    }
    return pixels;
}

// The pixels of `rect` in the 256 colours giflib finds for them.
std::vector<GifByteType> quantised(const QImage &image, QRect rect, std::vector<GifColorType> &palette)
{
    const auto count = static_cast<std::size_t>(rect.width()) * static_cast<std::size_t>(rect.height());
    std::vector<GifByteType> red(count), green(count), blue(count), pixels(count);
    std::size_t i = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x, ++i) {
            red[i] = static_cast<GifByteType>(qRed(line[x]));
            green[i] = static_cast<GifByteType>(qGreen(line[x]));
            blue[i] = static_cast<GifByteType>(qBlue(line[x]));
        }
    }
    int size = paletteLimit;
    palette.assign(paletteLimit, GifColorType{});
    GifQuantizeBuffer(static_cast<unsigned>(rect.width()), static_cast<unsigned>(rect.height()), &size, red.data(),
                      green.data(), blue.data(), pixels.data(), palette.data());
    palette.resize(static_cast<std::size_t>(size));
    return pixels;
}

} // namespace

GifEncoder::GifEncoder(QSize size) : size_(size)
{
    int error = 0;
    gif_ = EGifOpen(this, &GifEncoder::collect, &error);
    failed_ = gif_ == nullptr;
    if (failed_)
        return;
    EGifSetGifVersion(gif_, true);
    failed_ =
        EGifPutScreenDesc(gif_, size.width(), size.height(), colourResolution, 0, nullptr) != GIF_OK || !writeLoop();
}

GifEncoder::~GifEncoder()
{
    if (gif_)
        EGifCloseFile(gif_, nullptr);
}

int GifEncoder::collect(GifFileType *gif, const unsigned char *bytes, int length)
{
    static_cast<GifEncoder *>(gif->UserData)
        ->bytes_.append(reinterpret_cast<const char *>(bytes), static_cast<std::size_t>(length));
    return length;
}

bool GifEncoder::writeLoop()
{
    return EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif_, loopExtension.size(), loopExtension.data()) == GIF_OK &&
           EGifPutExtensionBlock(gif_, loopForever.size(), loopForever.data()) == GIF_OK &&
           EGifPutExtensionTrailer(gif_) == GIF_OK;
}

bool GifEncoder::add(const QImage &frame, int delay)
{
    if (failed_)
        return false;
    QImage image = frame.convertToFormat(QImage::Format_RGB32);
    QRect changed = changedRect(image, previous_);
    // Nothing changed: one transparent pixel keeps the frame's time.
    if (changed.isEmpty())
        changed = QRect(0, 0, 1, 1);
    failed_ = !writeFrame(image, changed, delay);
    previous_ = std::move(image);
    return !failed_;
}

bool GifEncoder::writeFrame(const QImage &image, QRect changed, int delay)
{
    std::vector<GifColorType> palette;
    int transparent = NO_TRANSPARENT_COLOR;
    auto pixels = ownColours(image, previous_, changed, palette, transparent);
    if (!pixels) {
        palette.clear();
        transparent = NO_TRANSPARENT_COLOR;
        pixels = quantised(image, changed, palette);
    }
    const ColourMap map = colourMap(palette);
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = delay;
    control.TransparentColor = transparent;
    std::array<GifByteType, 4> extension{};
    EGifGCBToExtension(&control, extension.data());
    if (!map || EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, extension.size(), extension.data()) != GIF_OK ||
        EGifPutImageDesc(gif_, changed.left(), changed.top(), changed.width(), changed.height(), false, map.get()) !=
            GIF_OK)
        return false;
    for (int row = 0; row < changed.height(); ++row) {
        if (EGifPutLine(gif_, pixels->data() + static_cast<std::size_t>(row) * changed.width(), changed.width()) !=
            GIF_OK)
            return false;
    }
    return true;
}

std::optional<std::string> GifEncoder::finish()
{
    if (!gif_)
        return std::nullopt;
    const bool closed = EGifCloseFile(gif_, nullptr) == GIF_OK;
    gif_ = nullptr;
    if (failed_ || !closed)
        return std::nullopt;
    return std::move(bytes_);
}

} // namespace ondel
