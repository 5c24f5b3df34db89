#pragma once

#include <cstdint>
#include <string>

namespace sim {

// "150 x 100  1000 Steps  Color 1: 2%  Color 2: 98%": the caption written after every cycle.
std::string RunCaption(std::int32_t gridWidth, std::int32_t gridHeight, std::int64_t stepCount,
                       int shareOne, int shareTwo);

// "Vemmick 2  Size: 151 x 111": the grid that the next Start creates from a drawing area of the
// given inner size in pixels.
std::string SizeCaption(double scaleWidth, double scaleHeight, int dotSize);

} // namespace sim
