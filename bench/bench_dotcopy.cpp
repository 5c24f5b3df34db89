// ns per dot copy into a 568 by 383 image: the runtime's BitBlt from a swatch against a hand-written
// fill of the same squares straight into the image's pixel memory, in the same run.
#include "colorvalue.h"
#include "dotcopy.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

constexpr int kWidth = 568;
constexpr int kHeight = 383;
constexpr int kSquares = 4096;

std::vector<std::pair<int, int>> Places(int size)
{
    std::mt19937 random(42);
    std::vector<std::pair<int, int>> places;
    for (int i = 0; i < kSquares; ++i)
        places.emplace_back(static_cast<int>(random() % (kWidth - size + 1)), static_cast<int>(random() % (kHeight - size + 1)));
    return places;
}

void BM_HandFill(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    platform::Surface image;
    image.Resize(kWidth, kHeight, 0);
    const auto places = Places(size);
    std::uint32_t* bits = image.bits();
    const std::ptrdiff_t stride = image.stride();
    const std::uint32_t colour = platform::ToPixel(platform::RGB(68, 255, 175));
    for (auto _ : state) {
        for (const auto& [x, y] : places) {
            std::uint32_t* row = bits + y * stride + x;
            for (int r = 0; r < size; ++r, row += stride)
                for (int c = 0; c < size; ++c)
                    row[c] = colour;
        }
        benchmark::ClobberMemory();
    }
    state.counters["ns_per_square"] = benchmark::Counter(static_cast<double>(state.iterations() * kSquares),
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_BitBlt(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    platform::Surface image;
    image.Resize(kWidth, kHeight, 0);
    platform::Surface swatch;
    swatch.Resize(15, 19, platform::RGB(68, 255, 175));
    const auto places = Places(size);
    for (auto _ : state) {
        for (const auto& [x, y] : places)
            platform::BitBlt({&image}, x, y, size, size, {&swatch}, 0, 0, platform::SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.counters["ns_per_square"] = benchmark::Counter(static_cast<double>(state.iterations() * kSquares),
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_HandFill)->Arg(1)->Arg(3)->Arg(15);
BENCHMARK(BM_BitBlt)->Arg(1)->Arg(3)->Arg(15);

} // namespace
