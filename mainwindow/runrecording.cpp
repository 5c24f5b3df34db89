#include "runrecording.h"

#include "animationfile.h"
#include "backgroundtask.h"
#include "runcycle.h"
#include "surface.h"

#include <algorithm>

namespace mainwindow {

void RunRecording::Begin(int width, int height, std::int32_t dotSize, platform::ColorValue background)
{
    running_ = true;
    width_ = width;
    height_ = height;
    dotSize_ = dotSize;
    background_ = background;
    cycles_ = 0;
    lastInterval_ = 0;
    entries_.clear();
    clears_.clear();
}

void RunRecording::Cycle(std::int32_t steps, std::int32_t interval, platform::ColorValue colorTwo, platform::ColorValue colorOne)
{
    if (!running_)
        return;
    ++cycles_;
    lastInterval_ = interval;
    if (!entries_.empty()) {
        Entry& last = entries_.back();
        if (last.steps == steps && last.interval == interval && last.colors[0] == colorTwo && last.colors[1] == colorOne) {
            ++last.count;
            return;
        }
    }
    entries_.push_back({cycles_, 1, steps, interval, {colorTwo, colorOne}});
}

void RunRecording::Clear()
{
    if (running_)
        clears_.push_back(cycles_);
}

namespace {

// GIF counts time in hundredths of a second, and every interval is a whole number of them.
int Hundredths(std::int64_t ms) { return static_cast<int>(std::min<std::int64_t>(ms / 10, 0xFFFF)); }

} // namespace

std::vector<std::uint8_t> RunRecording::Encode(platform::TaskProgress& progress, int frames) const
{
    // The moments a frame can show: the end of each cycle, and the cleared picture when a Clear
    // came after the last one.
    const bool clearedAtEnd = !clears_.empty() && clears_.back() == cycles_;
    const std::int64_t moments = cycles_ + (clearedAtEnd ? 1 : 0);
    frames = static_cast<int>(std::min<std::int64_t>(frames, moments));
    // Frame j (0-based) shows moment kept(j), from the first to the last, evenly spaced.
    const auto kept = [&](std::int64_t j) { return frames == 1 ? moments : 1 + j * (moments - 1) / (frames - 1); };

    // A frame lasts from its moment to the next frame's: the intervals of the cycles between, the
    // last one up to the next cycle that has not come yet.
    std::vector<std::int64_t> delays(static_cast<std::size_t>(frames), 0);
    {
        std::int64_t frame = -1;
        auto entry = entries_.begin();
        for (std::int64_t moment = 1; moment <= moments; ++moment) {
            if (frame + 1 < frames && kept(frame + 1) == moment)
                ++frame;
            std::int64_t toNext = lastInterval_;
            if (moment < cycles_) {
                while (entry->firstCycle + entry->count <= moment + 1)
                    ++entry;
                toNext = entry->interval;
            }
            delays[static_cast<std::size_t>(frame)] += toNext;
        }
    }

    sim::AntWorld world;
    world.setDotSize(dotSize_);
    DotQueue dots;
    StartRun(world, dots, static_cast<float>(width_), static_cast<float>(height_));
    platform::Surface picture;
    picture.Resize(width_, height_, background_);
    platform::Surface swatches[2];
    for (platform::Surface& swatch : swatches)
        swatch.Resize(dotSize_, dotSize_, 0);
    const platform::DeviceContext swatch[2] = {{&swatches[0]}, {&swatches[1]}};
    platform::AnimationFile file(width_, height_);

    std::int64_t next = 0;
    auto clear = clears_.begin();
    auto entry = entries_.begin();
    auto painted = entries_.end(); // the entry whose colours the swatches have
    for (std::int64_t moment = 1; moment <= moments; ++moment) {
        if (progress.Cancelled())
            return {};
        for (; clear != clears_.end() && *clear < moment; ++clear)
            picture.Fill(background_);
        if (moment <= cycles_) {
            while (entry->firstCycle + entry->count <= moment)
                ++entry;
            if (entry != painted) {
                swatches[0].Fill(entry->colors[0]);
                swatches[1].Fill(entry->colors[1]);
                painted = entry;
            }
            RunCycle(world, dots, {&picture}, swatch, entry->steps);
        }
        if (next < frames && kept(next) == moment) {
            file.AddFrame(picture, Hundredths(delays[static_cast<std::size_t>(next)]));
            ++next;
        }
        progress.Report(static_cast<double>(moment) / static_cast<double>(moments));
    }
    file.Finish();
    return file.bytes();
}

std::vector<std::uint8_t> RunRecording::MakeAnimation(platform::TaskProgress& progress, int maxFrames, std::size_t maxBytes) const
{
    int frames = maxFrames;
    std::vector<std::uint8_t> bytes = Encode(progress, frames);
    // A run too busy for the size kept: fewer frames, each standing for more cycles.
    while (!progress.Cancelled() && bytes.size() > maxBytes && frames > 1) {
        const double share = static_cast<double>(maxBytes) / static_cast<double>(bytes.size());
        frames = std::max(1, std::min(frames - 1, static_cast<int>(frames * share * 0.95)));
        bytes = Encode(progress, frames);
    }
    if (progress.Cancelled())
        return {};
    return bytes;
}

} // namespace mainwindow
