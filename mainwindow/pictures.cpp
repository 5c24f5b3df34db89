#include "pictures.h"

#include "form1design.h"
#include "iconpattern.h"

#include <functional>

namespace mainwindow {

using platform::ColorValue;
using platform::RGB;

namespace {

constexpr int Edge = 11;
constexpr ColorValue White = RGB(255, 255, 255);

platform::Picture Draw(const std::function<ColorValue(int x, int y)>& pixelAt, int edge = Edge)
{
    std::vector<ColorValue> pixels;
    pixels.reserve(static_cast<std::size_t>(edge * edge));
    for (int y = 0; y < edge; ++y)
        for (int x = 0; x < edge; ++x)
            pixels.push_back(pixelAt(x, y));
    return platform::Picture::FromPixels(edge, edge, pixels);
}

} // namespace

platform::Picture ClearPicture()
{
    return Draw([](int x, int y) { return x == 0 || y == 0 || x == Edge - 1 || y == Edge - 1 ? RGB(0, 0, 0) : White; });
}

platform::Picture StartPicture()
{
    // Column 3 is the full height; each column to the right is one row shorter at both ends, up to
    // the apex on the middle row in column 8.
    return Draw([](int x, int y) {
        const int inset = x - 3;
        return x >= 3 && x <= 8 && y >= inset && y <= Edge - 1 - inset ? RGB(0, 128, 0) : White;
    });
}

platform::Picture StopPicture()
{
    return Draw([](int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9 ? RGB(128, 0, 0) : White; });
}

platform::Picture PausePicture()
{
    return Draw([](int x, int y) {
        const bool bar = (x >= 2 && x <= 3) || (x >= 7 && x <= 8);
        return bar && y >= 1 && y <= 9 ? RGB(0, 0, 128) : White;
    });
}

platform::Picture IconPicture(int edge)
{
    const std::vector<bool> pixels = sim::IconPixels(edge);
    return Draw([&](int x, int y) { return pixels[static_cast<std::size_t>(y * edge + x)] ? design::StartColorOne : design::StartColorTwo; },
                edge);
}

} // namespace mainwindow
