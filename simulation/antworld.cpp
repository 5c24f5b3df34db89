#include "antworld.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

// Centre of n cells, counted from 1: n / 2 with an exact half going to the even neighbour. A field
// one cell across would put the ant on column (row) 0, outside the field, so it starts on 1.
std::int32_t CentreOf(std::int32_t n)
{
    std::int32_t half = n / 2;
    if (n % 2 != 0 && half % 2 != 0)
        ++half;
    return std::max(half, 1);
}

} // namespace

int GridCells(double scalePixels, int dotSize)
{
    const double cells = std::floor(scalePixels / static_cast<double>(std::max(dotSize, 1)));
    if (!(cells >= 1.0))
        return 1;
    if (cells >= MaxGridCells)
        return MaxGridCells;
    return static_cast<int>(cells);
}

void AntWorld::ResetWorld(float scaleWidth, float scaleHeight)
{
    heading_ = 0;
    gridWidth_ = GridCells(scaleWidth, dotSize_);
    gridHeight_ = GridCells(scaleHeight, dotSize_);
    stride_ = gridWidth_ + 1;
    cells_.assign(static_cast<std::size_t>(gridWidth_ + 1) * static_cast<std::size_t>(gridHeight_ + 1), 0);
    stepCount_ = 0;
    colorOneCount_ = 0;
    antX_ = CentreOf(gridWidth_);
    antY_ = CentreOf(gridHeight_);
}

Shares AntWorld::ColorShares() const
{
    const double total = static_cast<double>(gridWidth_) * static_cast<double>(gridHeight_);
    Shares shares;
    shares.colorOne = static_cast<int>(std::floor(colorOneCount_ / total * 100.0 + 0.5));
    shares.colorTwo = static_cast<int>(std::floor((total - colorOneCount_) / total * 100.0 + 0.5));
    return shares;
}

} // namespace sim
