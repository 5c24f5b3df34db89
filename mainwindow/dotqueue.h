#pragma once

#include "antworld.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mainwindow {

// The cells flipped during one timer cycle, each once. Colours cannot change within a cycle, so
// the picture after it depends only on each flipped cell's final state: drawing every cell once
// at the end gives the same picture as drawing every flip, at a fraction of the cost. Whether a
// cell is new in the cycle is kept by the caller (the world's cell mark).
class DotQueue {
public:
    // The largest column and row it holds: those of the largest grid.
    static constexpr std::int32_t MaxCoordinate = sim::MaxGridCells;
    static_assert(MaxCoordinate <= 0xFFFF, "a column and a row share one 32-bit slot");

    // Makes room for a world of `cells` cells; forgets what was queued.
    void reset(std::size_t cells);

    // Queues cell (x, y), 0 <= x, y <= MaxCoordinate, when isNew is 1; nothing when it is 0.
    // Written without a branch: whether a cell is new is as unpredictable as the ant.
    void add(std::int32_t x, std::int32_t y, std::uint32_t isNew)
    {
        order_[count_] = (static_cast<std::uint32_t>(y) << 16) | static_cast<std::uint32_t>(x);
        count_ += isNew;
    }

    // Hands every queued cell to draw(x, y) in the order queued, then empties the queue.
    template <class Draw>
    void flush(Draw&& draw)
    {
        for (std::size_t i = 0; i < count_; ++i)
            draw(static_cast<std::int32_t>(order_[i] & 0xFFFFU), static_cast<std::int32_t>(order_[i] >> 16));
        count_ = 0;
    }

    std::size_t size() const { return count_; }

private:
    std::vector<std::uint32_t> order_; // y and x in 16 bits each; a slot per cell and a spare, so add never checks
    std::size_t count_ = 0;
};

} // namespace mainwindow
