#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mainwindow {

// The cells flipped during one timer cycle, each once. Colours cannot change within a cycle, so
// the picture after it depends only on each flipped cell's final state: drawing every cell once
// at the end gives the same picture as drawing every flip, at a fraction of the cost.
class DotQueue {
public:
    struct Cell {
        std::int32_t x;
        std::int32_t y;
    };

    // Makes room for a world whose store has `cells` entries; forgets what was queued.
    void reset(std::size_t cells);

    // Queues cell (x, y), whose store position is `index` < cells; again later in a cycle, nothing.
    void add(std::int32_t x, std::int32_t y, std::size_t index)
    {
        if (queued_[index])
            return;
        queued_[index] = 1;
        order_.push_back({x, y});
    }

    // Hands every queued cell to draw(cell), then empties the queue. indexOf maps a cell back to
    // its store position.
    template <class Draw, class IndexOf>
    void flush(Draw&& draw, IndexOf&& indexOf)
    {
        for (const Cell& cell : order_) {
            draw(cell);
            queued_[indexOf(cell)] = 0;
        }
        order_.clear();
    }

    std::size_t size() const { return order_.size(); }

private:
    std::vector<std::uint8_t> queued_;
    std::vector<Cell> order_;
};

} // namespace mainwindow
