#pragma once

#include "colorvalue.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {
class TaskProgress;
}

namespace mainwindow {

// What a run did, cycle by cycle, from its Start: enough to draw it again exactly, since the ant
// is deterministic. Kept small: runs of cycles alike are one entry, and the pictures are not kept.
class RunRecording {
public:
    // A run starts on a drawing area of width by height pixels cleared to `background`.
    void Begin(int width, int height, std::int32_t dotSize, platform::ColorValue background);
    // A cycle of `steps` steps drawn in colour two and colour one, `interval` ms after the one
    // before (or after Start).
    void Cycle(std::int32_t steps, std::int32_t interval, platform::ColorValue colorTwo, platform::ColorValue colorOne);
    // The picture was cleared after the last cycle.
    void Clear();
    // The run ended: nothing more is recorded until the next Begin.
    void End() { running_ = false; }
    // The time the last cycle stays on the screen, in ms: up to the next cycle.
    void setLastInterval(std::int32_t interval) { lastInterval_ = interval; }

    bool running() const { return running_; }
    std::int64_t cycleCount() const { return cycles_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The run again, as the bytes of an animated GIF of at most maxFrames frames and about maxBytes
    // bytes: a frame for every cycle, or for cycles sampled evenly, each lasting as long as the
    // cycles it stands for; a Clear after the last cycle gives a last frame of the cleared picture.
    // Stops early, with nothing, when progress is cancelled. Throws platform::FileError, in words,
    // when the animation cannot be made.
    std::vector<std::uint8_t> MakeAnimation(platform::TaskProgress& progress, int maxFrames, std::size_t maxBytes) const;

private:
    struct Entry {
        std::int64_t firstCycle; // 1-based
        std::int64_t count;
        std::int32_t steps;
        std::int32_t interval;
        platform::ColorValue colors[2];
    };
    std::vector<std::uint8_t> Encode(platform::TaskProgress& progress, int frames) const;

    bool running_ = false;
    int width_ = 0;
    int height_ = 0;
    std::int32_t dotSize_ = 1;
    platform::ColorValue background_ = 0;
    std::int64_t cycles_ = 0;
    std::int32_t lastInterval_ = 0;
    std::vector<Entry> entries_;
    // The cycle after which each Clear came, in order; 0 for one before the first cycle.
    std::vector<std::int64_t> clears_;
};

} // namespace mainwindow
