// ns per ant step on a 568 by 383-cell world: StepAnt with an empty notification against the
// plainest hand-written step loop over the same kind of store, in the same run.
#include "antworld.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 568;
constexpr int kHeight = 383;
constexpr long kSteps = 1'000'000;

void BM_StepAnt(benchmark::State& state)
{
    sim::AntWorld world;
    world.setDotSize(1);
    for (auto _ : state) {
        state.PauseTiming();
        world.ResetWorld(kWidth, kHeight);
        state.ResumeTiming();
        for (long i = 0; i < kSteps; ++i)
            world.StepAnt([](int, int, int) {});
        benchmark::DoNotOptimize(world.colorOneCount());
    }
    state.SetItemsProcessed(state.iterations() * kSteps);
    state.counters["ns_per_step"] = benchmark::Counter(static_cast<double>(state.iterations() * kSteps),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The baseline: the same rule written inline over a flat byte array, no class, no callback.
void BM_HandWrittenStep(benchmark::State& state)
{
    const int stride = kWidth + 1;
    std::vector<std::uint8_t> cells;
    static constexpr int dx[4] = {0, 1, 0, -1};
    static constexpr int dy[4] = {-1, 0, 1, 0};
    for (auto _ : state) {
        state.PauseTiming();
        cells.assign(static_cast<std::size_t>(stride) * (kHeight + 1), 0);
        int x = kWidth / 2, y = kHeight / 2 + 1, heading = 0, ones = 0;
        state.ResumeTiming();
        for (long i = 0; i < kSteps; ++i) {
            std::uint8_t& c = cells[static_cast<std::size_t>(y) * stride + x];
            if (c == 0) {
                heading = (heading + 1) & 3;
                ++ones;
            } else {
                heading = (heading - 1) & 3;
                --ones;
            }
            c ^= 1;
            x += dx[heading];
            if (x < 1)
                x = kWidth;
            if (x > kWidth)
                x = 1;
            y += dy[heading];
            if (y < 1)
                y = kHeight;
            if (y > kHeight)
                y = 1;
        }
        benchmark::DoNotOptimize(ones);
    }
    state.SetItemsProcessed(state.iterations() * kSteps);
    state.counters["ns_per_step"] = benchmark::Counter(static_cast<double>(state.iterations() * kSteps),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_HandWrittenStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepAnt)->Unit(benchmark::kMillisecond);

} // namespace
