// Saving a minute's run as an animation (Save Animation As...): a minute of 20 ms cycles at the
// start-up setting of 1000 steps and at the top setting of 100000, at dot size 3 on the
// design-size drawing area, against the same cycles replayed without a file, in the same run.
// Each reports the file's size and its frames.
#include "backgroundtask.h"
#include "form1design.h"
#include "picturefile.h"
#include "runcycle.h"
#include "runrecording.h"
#include "surface.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr int AreaWidth = 566; // the design-size drawing area inside its border
constexpr int AreaHeight = 381;
constexpr int Cycles = 60 * 1000 / 20;

mainwindow::RunRecording AMinute(std::int32_t steps)
{
    mainwindow::RunRecording run;
    run.Begin(AreaWidth, AreaHeight, 3, mainwindow::design::StartColorTwo);
    for (int i = 0; i < Cycles; ++i)
        run.Cycle(steps, 20, mainwindow::design::StartColorTwo, mainwindow::design::StartColorOne);
    return run;
}

void BM_ReplayAlone(benchmark::State& state)
{
    const auto steps = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        sim::AntWorld world;
        world.setDotSize(3);
        world.ResetWorld(AreaWidth, AreaHeight);
        mainwindow::DotQueue dots;
        dots.reset(world.storeSize());
        platform::Surface picture, swatches[2];
        picture.Resize(AreaWidth, AreaHeight, mainwindow::design::StartColorTwo);
        swatches[0].Resize(3, 3, mainwindow::design::StartColorTwo);
        swatches[1].Resize(3, 3, mainwindow::design::StartColorOne);
        const platform::DeviceContext swatch[2] = {{&swatches[0]}, {&swatches[1]}};
        for (int i = 0; i < Cycles; ++i)
            mainwindow::RunCycle(world, dots, {&picture}, swatch, steps);
        benchmark::DoNotOptimize(picture.bits());
    }
}

void BM_SaveAnimation(benchmark::State& state)
{
    const mainwindow::RunRecording run = AMinute(static_cast<std::int32_t>(state.range(0)));
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "bench_animation.gif";
    for (auto _ : state) {
        platform::TaskProgress progress;
        platform::SaveBytes(run.MakeAnimation(progress, mainwindow::design::MaxAnimationFrames, mainwindow::design::MaxAnimationBytes),
                            file.string());
    }
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    std::filesystem::remove(file);
}

} // namespace

BENCHMARK(BM_ReplayAlone)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SaveAnimation)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
