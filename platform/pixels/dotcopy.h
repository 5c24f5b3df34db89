#pragma once

#include "surface.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

// The dot copy: one call per ant step copies a cell's dot from a swatch into the drawing area.
// Inline, so that the step loop holds it whole: every pixel it takes to draw a cell.

namespace platform {

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
