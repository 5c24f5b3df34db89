#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace sim {

// The two whole-number percentages of the run caption; rounded independently, so they may add
// up to 99, 100 or 101.
struct Shares {
    int colorOne = 0;
    int colorTwo = 0;
};

// The shares of `ones` cells of colour one among `total` > 0, in whole percent, each rounded half up
// (towards +infinity) exactly: 12.5 gives 13, -12.5 gives -12. Whole-number arithmetic, so that
// every machine gives the same caption. ones may lie outside 0..total only on a grid whose store
// has a cell outside the field.
Shares SharesOf(std::int64_t ones, std::int64_t total);

// The most cells a grid has on a side: more than any screen shows (a window system's windows stop
// at 32767 pixels), and small enough that a whole store, (MaxGridCells + 1) squared bytes, is
// 1 GiB: its size and every count of its cells fit 32 bits.
inline constexpr int MaxGridCells = 0x7FFF;

// Number of whole cells of edge `dotSize` pixels that fit into `scalePixels` pixels; never less
// than one, so that a world always has a cell to stand on, and never more than MaxGridCells.
int GridCells(double scalePixels, int dotSize);

// The two-colour ant on a wrapping grid. Cell (x, y) for 1 <= x <= gridWidth, 1 <= y <= gridHeight
// is the playing field; column 0 and row 0 exist in the store but lie outside it. State 0 is colour
// two (every new cell), state 1 colour one.
//
// Each cell also carries a mark that the rule never reads: a caller that collects the cells flipped
// over many steps steps with StepAntMarking, which sets the mark in the same write as the flip.
class AntWorld {
public:
    // Headings count clockwise as seen on the screen; rows grow downwards.
    static constexpr std::array<std::int32_t, 4> stepX{0, 1, 0, -1};
    static constexpr std::array<std::int32_t, 4> stepY{-1, 0, 1, 0};

    // Edge of one cell on screen in pixels, >= 1. The next ResetWorld sizes the grid by it, at one
    // cell each way at least however small the drawing area is; the caller draws every dot.
    void setDotSize(std::int32_t pixels) { dotSize_ = pixels < 1 ? 1 : pixels; }
    std::int32_t dotSize() const { return dotSize_; }

    // Replaces the world by an all-zero one that fills a drawing area of the given inner size in
    // pixels, with the ant at the centre heading up.
    void ResetWorld(float scaleWidth, float scaleHeight);

    // One step: turn by the cell under the ant, flip it, report it as
    // onCellChanged(x, y, newState), move forward with wrap-around. Requires a world.
    template <class OnCellChanged>
    void StepAnt(OnCellChanged&& onCellChanged) { Step<false>(onCellChanged); }

    // The same step, which also marks the flipped cell and reports
    // onCellChanged(x, y, newState, isNew): isNew is 1 when the cell was not marked yet, else 0.
    template <class OnCellChanged>
    void StepAntMarking(OnCellChanged&& onCellChanged) { Step<true>(onCellChanged); }

    // Shares of colour one and colour two in percent, each rounded half up. Requires a world.
    Shares ColorShares() const;

    bool hasWorld() const { return gridWidth_ > 0; }
    std::int32_t gridWidth() const { return gridWidth_; }
    std::int32_t gridHeight() const { return gridHeight_; }
    std::int64_t stepCount() const { return stepCount_; }
    std::int32_t colorOneCount() const { return colorOneCount_; }
    std::int32_t antX() const { return antX_; }
    std::int32_t antY() const { return antY_; }
    std::int32_t heading() const { return heading_; }
    void setHeading(std::int32_t heading) { heading_ = heading & 3; }

    // 0 <= x <= gridWidth, 0 <= y <= gridHeight; returns the cell's state, 0 or 1.
    std::uint8_t cell(std::int32_t x, std::int32_t y) const { return cells_[index(x, y)] & StateBit; }
    // Clears the mark that StepAntMarking left on cell (x, y); returns the cell's state.
    std::uint8_t Unmark(std::int32_t x, std::int32_t y)
    {
        std::uint8_t& c = cells_[index(x, y)];
        c &= StateBit;
        return c;
    }
    // Position of cell (x, y) in one flat array laid out like the store (row by row).
    std::size_t index(std::int32_t x, std::int32_t y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_) + static_cast<std::size_t>(x);
    }
    std::size_t storeSize() const { return cells_.size(); }

private:
    template <bool Marking, class OnCellChanged>
    void Step(OnCellChanged& onCellChanged);

    static constexpr std::uint8_t StateBit = 1;
    static constexpr std::uint8_t MarkBit = 2;

    std::vector<std::uint8_t> cells_; // StateBit and MarkBit
    std::int32_t stride_ = 0;
    std::int32_t gridWidth_ = 0;
    std::int32_t gridHeight_ = 0;
    std::int32_t antX_ = 0;
    std::int32_t antY_ = 0;
    std::int32_t heading_ = 0;
    std::int64_t stepCount_ = 0; // 64 bits: a long run never wraps the caption's count
    std::int32_t colorOneCount_ = 0;
    std::int32_t dotSize_ = 3;
};

template <bool Marking, class OnCellChanged>
inline void AntWorld::Step(OnCellChanged& onCellChanged)
{
    // Work on locals: a store through the byte-sized cell may alias any member, which would force
    // every member back to memory on each step.
    std::int32_t x = antX_;
    std::int32_t y = antY_;
    std::int32_t heading = heading_;
    std::uint8_t& cell = cells_[index(x, y)];
    const std::uint8_t old = cell;
    const std::uint8_t c = old & StateBit;
    if (c == 0) {
        if (++heading > 3)
            heading = 0;
        ++colorOneCount_;
    } else {
        if (--heading < 0)
            heading = 3;
        --colorOneCount_;
    }
    const auto newState = static_cast<std::uint8_t>(1 - c);
    heading_ = heading;
    if constexpr (Marking) {
        // One read and one write of the cell carry both the flip and the mark.
        cell = static_cast<std::uint8_t>(newState | MarkBit);
        onCellChanged(x, y, newState, (old & MarkBit) == 0 ? 1U : 0U);
    } else {
        cell = static_cast<std::uint8_t>(old ^ StateBit);
        onCellChanged(x, y, newState);
    }

    x += stepX[static_cast<std::size_t>(heading)];
    if (x < 1)
        x = gridWidth_;
    if (x > gridWidth_)
        x = 1;
    y += stepY[static_cast<std::size_t>(heading)];
    if (y < 1)
        y = gridHeight_;
    if (y > gridHeight_)
        y = 1;
    antX_ = x;
    antY_ = y;
    ++stepCount_;
}

} // namespace sim
