#include "pictures.h"

#include "antworld.h"

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

std::vector<bool> IconPattern(int cells)
{
    sim::AntWorld world;
    world.setDotSize(1);
    world.ResetWorld(static_cast<float>(cells), static_cast<float>(cells));
    for (int i = 0; i < cells * 9; ++i)
        world.StepAnt([](int, int, int) {});
    std::vector<bool> pattern;
    for (int y = 1; y <= cells; ++y)
        for (int x = 1; x <= cells; ++x)
            pattern.push_back(world.cell(x, y) != 0);
    return pattern;
}

platform::Picture IconPicture(int edge)
{
    const int cells = edge <= 16 ? 8 : 16;
    const std::vector<bool> pattern = IconPattern(cells);
    return Draw(
        [&](int x, int y) {
            const std::size_t cell = static_cast<std::size_t>(y * cells / edge * cells + x * cells / edge);
            return pattern[cell] ? RGB(68, 255, 175) : RGB(139, 0, 174);
        },
        edge);
}

} // namespace mainwindow
