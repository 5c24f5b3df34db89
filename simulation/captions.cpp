#include "captions.h"

#include "antworld.h"

namespace sim {

std::string RunCaption(std::int32_t gridWidth, std::int32_t gridHeight, std::int64_t stepCount,
                       int shareOne, int shareTwo)
{
    return std::to_string(gridWidth) + " x " + std::to_string(gridHeight) + "  " + std::to_string(stepCount)
        + " Steps  Color 1: " + std::to_string(shareOne) + "%  Color 2: " + std::to_string(shareTwo) + "%";
}

std::string SizeCaption(double scaleWidth, double scaleHeight, int dotSize)
{
    return "Vemmick 2  Size: " + std::to_string(GridCells(scaleWidth, dotSize)) + " x "
        + std::to_string(GridCells(scaleHeight, dotSize));
}

} // namespace sim
