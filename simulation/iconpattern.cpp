#include "iconpattern.h"

#include "antworld.h"

#include <cstddef>

namespace sim {

std::vector<bool> IconPattern(int cells)
{
    AntWorld world;
    world.setDotSize(1);
    world.ResetWorld(static_cast<float>(cells), static_cast<float>(cells));
    for (int i = 0; i < cells * 9; ++i)
        world.StepAnt([](int, int, int) {});
    std::vector<bool> pattern;
    pattern.reserve(static_cast<std::size_t>(cells * cells));
    for (int y = 1; y <= cells; ++y)
        for (int x = 1; x <= cells; ++x)
            pattern.push_back(world.cell(x, y) != 0);
    return pattern;
}

std::vector<bool> IconPixels(int edge)
{
    const int cells = edge <= 16 ? 8 : 16;
    const std::vector<bool> pattern = IconPattern(cells);
    std::vector<bool> pixels;
    pixels.reserve(static_cast<std::size_t>(edge * edge));
    for (int y = 0; y < edge; ++y)
        for (int x = 0; x < edge; ++x)
            pixels.push_back(pattern[static_cast<std::size_t>(y * cells / edge * cells + x * cells / edge)]);
    return pixels;
}

} // namespace sim
