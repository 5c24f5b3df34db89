#pragma once

#include <cstdint>

namespace platform {

// A 24-bit colour as 0x00BBGGRR: red in the low byte, then green, then blue.
using ColorValue = std::int32_t;

constexpr ColorValue RGB(int r, int g, int b)
{
    return static_cast<ColorValue>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorValue c) { return c & 0xFF; }
constexpr int GreenOf(ColorValue c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(ColorValue c) { return (c >> 16) & 0xFF; }

// Pixels are kept as 0xFFRRGGBB words (Qt's RGB32); these convert between the two orders.
constexpr std::uint32_t ToPixel(ColorValue c)
{
    return 0xFF000000U | (static_cast<std::uint32_t>(RedOf(c)) << 16) | (static_cast<std::uint32_t>(GreenOf(c)) << 8)
        | static_cast<std::uint32_t>(BlueOf(c));
}
constexpr ColorValue FromPixel(std::uint32_t p)
{
    return RGB(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF));
}

} // namespace platform
