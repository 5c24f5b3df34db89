#pragma once

#include "colorvalue.h"

#include <QImage>
#include <QRegion>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace platform {

// A persistent pixel image: what is drawn into it stays until it is filled again, whatever size
// it is given in between. Its store never shrinks: a smaller size only hides the pixels beyond it,
// and they show again when the size grows back. Drawing reaches the whole store; reading (Pixel)
// answers for the visible width by height only.
//
// It also keeps what changed since it was last shown, in tiles of 32 by 32 pixels, so that a
// screen update covers the changed tiles only: a dot marks the tile of its top-left corner.
class Surface {
public:
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // The visible size.
    int width() const { return static_cast<int>(width_); }
    int height() const { return static_cast<int>(height_); }
    // The store: at least the largest size the surface has had.
    int storeWidth() const { return static_cast<int>(storeWidth_); }
    int storeHeight() const { return static_cast<int>(storeHeight_); }
    // Pixels per row of bits().
    std::ptrdiff_t stride() const { return stride_; }
    std::uint32_t* bits() { return bits_; }
    const std::uint32_t* bits() const { return bits_; }

    // New visible size, each side >= 0. The store grows to hold it; what was drawn stays, and new
    // store area takes `fill`.
    void Resize(int width, int height, ColorValue fill);
    // Fills the whole store.
    void Fill(ColorValue color);
    // 0 <= x < width, 0 <= y < height; returns -1 outside.
    ColorValue Pixel(int x, int y) const;
    void SetPixel(int x, int y, ColorValue color);

    // The store as a Qt image for painting (the visible part is its top-left width by height);
    // shares the memory, valid until the store grows.
    const QImage& image() const { return image_; }
    // Copies an image at one pixel per pixel with its top-left corner at (0, 0), clipped to the store.
    void Draw(const QImage& picture);

    static constexpr int TileShift = 5;
    static constexpr int TileSize = 1 << TileShift;
    // Records a change of the block at (x, y), which lies inside the store and is not empty.
    void MarkChanged(int x, int y, int width, int height)
    {
        const std::ptrdiff_t left = x >> TileShift;
        const std::ptrdiff_t top = (y >> TileShift) << rowShift_;
        if (width <= TileSize && height <= TileSize) {
            // A dot marks the tile of its top-left corner; TakeChanged widens every marked tile by
            // the largest reach of a dot beyond it (one pixel less than its side).
            changed_[top + left] = 1;
            reach_ = std::max(reach_, static_cast<std::uint16_t>(std::max(width, height) - 1));
            return;
        }
        const std::ptrdiff_t right = (x + width - 1) >> TileShift;
        const std::ptrdiff_t bottom = ((y + height - 1) >> TileShift) << rowShift_;
        for (std::ptrdiff_t row = top; row <= bottom; row += tilesPerRow())
            std::fill(changed_ + row + left, changed_ + row + right + 1, 1U);
    }
    // The visible part of what changed since the last call, in whole tiles; then forgets it.
    QRegion TakeChanged();

private:
    // Rows of tiles are a power of two long, so that a tile's place takes shifts alone.
    std::ptrdiff_t tilesPerRow() const { return std::ptrdiff_t{1} << rowShift_; }
    void MarkAllChanged() { allChanged_ = true; }

    QImage image_;
    std::uint32_t* bits_ = nullptr;
    // Wider than the pixels so that a pixel store can never alias them: the compiler then keeps
    // them in registers across a loop of dot copies.
    std::ptrdiff_t width_ = 0;
    std::ptrdiff_t height_ = 0;
    std::ptrdiff_t storeWidth_ = 0;
    std::ptrdiff_t storeHeight_ = 0;
    std::ptrdiff_t stride_ = 0;
    // One flag a tile, row by row over the store. 32 bits wide: a store of a flag can alias a
    // pixel but none of the sizes and pointers above, which stay in registers across dot copies.
    std::vector<std::uint32_t> tiles_;
    std::uint32_t* changed_ = nullptr;
    std::ptrdiff_t rowShift_ = 0;
    std::uint16_t reach_ = 0; // 16 bits: its store aliases none of the members above
    bool allChanged_ = true;
};

// A borrowed handle to a surface: it never owns what it names and stays valid while the surface lives.
struct DeviceContext {
    Surface* surface = nullptr;
    explicit operator bool() const { return surface != nullptr; }
    bool operator==(const DeviceContext&) const = default;
};

enum class RasterOp : std::uint32_t { SrcCopy = 0x00CC0020 };
inline constexpr RasterOp SRCCOPY = RasterOp::SrcCopy;

namespace detail {

template <int Width>
inline void CopyRows(std::uint32_t* __restrict to, std::ptrdiff_t toStride, const std::uint32_t* __restrict from,
                     std::ptrdiff_t fromStride, int height)
{
    for (int row = 0; row < height; ++row, to += toStride, from += fromStride)
        std::memcpy(to, from, Width * sizeof(std::uint32_t)); // a fixed size: a few moves, no call
}

} // namespace detail

// Copies the width by height block at (sx, sy) of src to (x, y) of dst, exactly, pixel for pixel.
// The block is clipped to both stores: nothing is read or written outside either. Called once
// per ant step, so it takes no painter and allocates nothing.
inline void BitBlt(DeviceContext dst, int x, int y, int width, int height, DeviceContext src, int sx, int sy,
                   RasterOp /*only SRCCOPY exists*/ = SRCCOPY)
{
    if (!dst || !src || width <= 0 || height <= 0)
        return;
    Surface& d = *dst.surface;
    const Surface& s = *src.surface;
    if (width == 1 && height == 1) { // the dot of the smallest cells: one pixel inside both or none
        if (static_cast<unsigned>(x) < static_cast<unsigned>(d.storeWidth()) && static_cast<unsigned>(y) < static_cast<unsigned>(d.storeHeight())
            && static_cast<unsigned>(sx) < static_cast<unsigned>(s.storeWidth()) && static_cast<unsigned>(sy) < static_cast<unsigned>(s.storeHeight())) {
            d.bits()[y * d.stride() + x] = s.bits()[sy * s.stride() + sx];
            d.MarkChanged(x, y, 1, 1);
        }
        return;
    }
    // One unsigned comparison per edge pair: a negative position wraps to a huge value and fails.
    const auto fits = [](int at, int length, int limit) {
        return static_cast<unsigned>(at) <= static_cast<unsigned>(limit - length) && length <= limit;
    };
    const bool inside = fits(x, width, d.storeWidth()) && fits(y, height, d.storeHeight()) && fits(sx, width, s.storeWidth())
        && fits(sy, height, s.storeHeight());
    if (!inside) {
        // Clip the left and top edges against both surfaces, then the right and bottom edges; in
        // 64 bits, so that no position, however far out, overflows.
        using Wide = long long;
        const Wide shiftX = std::max({Wide{0}, -Wide{x}, -Wide{sx}});
        const Wide shiftY = std::max({Wide{0}, -Wide{y}, -Wide{sy}});
        const Wide left = x + shiftX, sourceLeft = sx + shiftX, top = y + shiftY, sourceTop = sy + shiftY;
        const Wide w = std::min({width - shiftX, d.storeWidth() - left, s.storeWidth() - sourceLeft});
        const Wide h = std::min({height - shiftY, d.storeHeight() - top, s.storeHeight() - sourceTop});
        if (w <= 0 || h <= 0)
            return;
        x = static_cast<int>(left);
        sx = static_cast<int>(sourceLeft);
        y = static_cast<int>(top);
        sy = static_cast<int>(sourceTop);
        width = static_cast<int>(w);
        height = static_cast<int>(h);
    }
    d.MarkChanged(x, y, width, height);
    std::uint32_t* to = d.bits() + y * d.stride() + x;
    const std::uint32_t* from = s.bits() + sy * s.stride() + sx;
    if (&d == &s) {
        // A block copied within one surface may overlap itself: rows in the safe order.
        const int step = y > sy ? -1 : 1;
        const int first = step > 0 ? 0 : height - 1;
        for (int row = first; row >= 0 && row < height; row += step)
            std::memmove(to + row * d.stride(), from + row * s.stride(),
                         static_cast<std::size_t>(width) * sizeof(std::uint32_t));
        return;
    }
    if (width <= 16) {
        // A dot's rows are short: copies of a fixed width, chosen once per call, beat both a call
        // to memcpy per row and a loop of unknown length.
        switch (width) {
        case 1: detail::CopyRows<1>(to, d.stride(), from, s.stride(), height); return;
        case 2: detail::CopyRows<2>(to, d.stride(), from, s.stride(), height); return;
        case 3: detail::CopyRows<3>(to, d.stride(), from, s.stride(), height); return;
        case 4: detail::CopyRows<4>(to, d.stride(), from, s.stride(), height); return;
        case 5: detail::CopyRows<5>(to, d.stride(), from, s.stride(), height); return;
        case 6: detail::CopyRows<6>(to, d.stride(), from, s.stride(), height); return;
        case 7: detail::CopyRows<7>(to, d.stride(), from, s.stride(), height); return;
        case 8: detail::CopyRows<8>(to, d.stride(), from, s.stride(), height); return;
        case 9: detail::CopyRows<9>(to, d.stride(), from, s.stride(), height); return;
        case 10: detail::CopyRows<10>(to, d.stride(), from, s.stride(), height); return;
        case 11: detail::CopyRows<11>(to, d.stride(), from, s.stride(), height); return;
        case 12: detail::CopyRows<12>(to, d.stride(), from, s.stride(), height); return;
        case 13: detail::CopyRows<13>(to, d.stride(), from, s.stride(), height); return;
        case 14: detail::CopyRows<14>(to, d.stride(), from, s.stride(), height); return;
        case 15: detail::CopyRows<15>(to, d.stride(), from, s.stride(), height); return;
        default: detail::CopyRows<16>(to, d.stride(), from, s.stride(), height); return;
        }
    }
    const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(std::uint32_t);
    for (int row = 0; row < height; ++row, to += d.stride(), from += s.stride())
        std::memcpy(to, from, rowBytes);
}

} // namespace platform
