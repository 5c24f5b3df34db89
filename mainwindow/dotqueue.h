#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mainwindow {

// The cells flipped during one timer cycle, each once.
// Colours cannot change within a cycle, so the picture after it depends only on each flipped
// cell's final state: drawing every cell once at the end gives the same picture as drawing every
// flip, at a fraction of the cost.
class DotQueue {
public:
    // The largest column and row it holds: far beyond any screen's pixels.
    static constexpr std::int32_t MaxCoordinate = 0xFFFF;

    // Makes room for a world whose store has `cells` entries; forgets what was queued.
    void reset(std::size_t cells);

    // Queues cell (x, y), 0 <= x, y <= MaxCoordinate, whose store position is index < cells; again
    // later in the cycle, nothing. Written without a branch: whether a cell is new is as
    // unpredictable as the ant.
    void add(std::int32_t x, std::int32_t y, std::size_t index)
    {
        order_[count_] = (static_cast<std::uint32_t>(y) << 16) | static_cast<std::uint32_t>(x);
        count_ += queued_[index] ^ 1U;
        queued_[index] = 1;
    }

    // Hands every queued cell to draw(x, y), which returns its store position, then empties the queue.
    template <class Draw>
    void flush(Draw&& draw)
    {
        for (std::size_t i = 0; i < count_; ++i) {
            const auto x = static_cast<std::int32_t>(order_[i] & 0xFFFFU);
            const auto y = static_cast<std::int32_t>(order_[i] >> 16);
            queued_[draw(x, y)] = 0;
        }
        count_ = 0;
    }

    std::size_t size() const { return count_; }

private:
    std::vector<std::uint8_t> queued_;
    std::vector<std::uint32_t> order_; // y and x in 16 bits each; a slot per cell and a spare, so add never checks
    std::size_t count_ = 0;
};

} // namespace mainwindow
