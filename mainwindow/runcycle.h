#pragma once

#include "antworld.h"
#include "dotcopy.h"
#include "dotqueue.h"

#include <cstdint>

namespace mainwindow {

// A run's start, as Start makes it: the ant at its first heading on a fresh grid for an area of
// width by height pixels, with no dot queued.
inline void StartRun(sim::AntWorld& world, DotQueue& dots, float width, float height)
{
    world.setHeading(0);
    world.ResetWorld(width, height);
    dots.reset(world.storeSize());
}

// One timer cycle's steps and dots: the ant takes `steps` steps, and every cell that they flipped
// is drawn once into dest, from the swatch of its final state (swatch[0] colour two, swatch[1]
// colour one). The window's cycle and the replay of a saved run draw through this one path.
inline void RunCycle(sim::AntWorld& world, DotQueue& dots, platform::DeviceContext dest,
                     const platform::DeviceContext (&swatch)[2], std::int32_t steps)
{
    for (std::int32_t i = 1; i <= steps; ++i)
        world.StepAntMarking([&dots](std::int32_t x, std::int32_t y, std::uint8_t, std::uint32_t isNew) { dots.add(x, y, isNew); });
    const std::int32_t size = world.dotSize();
    dots.flush([&](std::int32_t x, std::int32_t y) {
        BitBlt(dest, (x - 1) * size, (y - 1) * size, size, size, swatch[world.Unmark(x, y)], 0, 0, platform::SRCCOPY);
    });
}

} // namespace mainwindow
