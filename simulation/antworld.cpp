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

Shares SharesOf(std::int64_t ones, std::int64_t total)
{
    // floor(count / total * 100 + 1/2) = floor((200 * count + total) / (2 * total)); C++ division
    // truncates towards zero, so a negative quotient is taken one further down when inexact.
    const auto share = [total](std::int64_t count) {
        const std::int64_t numerator = 200 * count + total;
        const std::int64_t denominator = 2 * total;
        std::int64_t quotient = numerator / denominator;
        if (numerator % denominator != 0 && numerator < 0)
            --quotient;
        return static_cast<int>(quotient);
    };
    return {share(ones), share(total - ones)};
}

Shares AntWorld::ColorShares() const
{
    return SharesOf(colorOneCount_, static_cast<std::int64_t>(gridWidth_) * gridHeight_);
}

} // namespace sim
