// One timer cycle at the largest setting (100000 steps with their dots, the Refresh and the caption)
// on the design-size drawing area, against the same 100000 steps of StepAnt alone, in the same run.
// Every benchmark runs the same number of cycles from a fresh world, so all cover the same steps.
// Painted cycles compare a 3840 x 2160 window with the design-size one, at 100000 steps and at 1.
#include "antworld.h"
#include "form1.h"

#include <QApplication>
#include <QComboBox>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr long kSteps = 100000;
constexpr long kCycles = 60;
constexpr int DesignWidth = 568;
constexpr int DesignHeight = 407;

mainwindow::Form1* window = nullptr; // lives in main, inside the application's lifetime

mainwindow::Form1& Window() { return *window; }

void BM_BareSteps(benchmark::State& state)
{
    mainwindow::Form1& form = Window();
    sim::AntWorld world;
    world.setDotSize(static_cast<int>(state.range(0)));
    world.ResetWorld(form.picDest.ScaleWidth(), form.picDest.ScaleHeight());
    for (auto _ : state) {
        for (long i = 0; i < kSteps; ++i)
            world.StepAnt([](int, int, int) {});
        benchmark::DoNotOptimize(world.colorOneCount());
    }
}

void BM_QueuedSteps(benchmark::State& state)
{
    mainwindow::Form1& form = Window();
    sim::AntWorld world;
    mainwindow::DotQueue dots;
    world.setDotSize(static_cast<int>(state.range(0)));
    world.ResetWorld(form.picDest.ScaleWidth(), form.picDest.ScaleHeight());
    dots.reset(world.storeSize());
    for (auto _ : state) {
        for (long i = 0; i < kSteps; ++i)
            world.StepAntMarking([&](int x, int y, int, std::uint32_t isNew) { dots.add(x, y, isNew); });
        state.counters["dots"] = static_cast<double>(dots.size());
        dots.flush([&](int x, int y) { world.Unmark(x, y); });
    }
}

void BM_TimerCycle(benchmark::State& state)
{
    mainwindow::Form1& form = Window();
    form.cmdStop.Click();
    form.cboDotSize.setText(std::to_string(state.range(0)));
    form.cmdStart.Click();
    form.Timer.setEnabled(false); // cycles run here, not on the timer
    for (auto _ : state)
        form.Timer_Timer();
}

// A painted cycle at dot size 1 on a window of the given interior (width, height) with the given
// steps per cycle: the steps, their dots, Refresh and the paint it causes, as the timer runs it.
void BM_PaintedCycle(benchmark::State& state)
{
    mainwindow::Form1& form = Window();
    form.widget().resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QCoreApplication::processEvents();
    form.cmdStop.Click();
    form.cboDotSize.setText("1");
    form.cboSteps.setText(std::to_string(state.range(2)));
    form.cmdStart.Click();
    form.Timer.setEnabled(false);
    form.Timer_Timer(); // the first paint after Start shows the cleared picture whole
    for (auto _ : state)
        form.Timer_Timer();
    state.SetItemsProcessed(state.iterations() * state.range(2)); // steps
    form.widget().resize(DesignWidth, DesignHeight);
    form.cboSteps.setText(std::to_string(kSteps));
    QCoreApplication::processEvents();
}

// The fixed parts of a cycle, alone.
void BM_Refresh(benchmark::State& state)
{
    mainwindow::Form1& form = Window();
    for (auto _ : state)
        form.picDest.Refresh();
}

void BM_Caption(benchmark::State& state)
{
    mainwindow::Form1& form = Window();
    long n = 0;
    for (auto _ : state)
        form.setCaption("188 x 127  " + std::to_string(++n) + " Steps  Color 1: 2%  Color 2: 98%");
}

BENCHMARK(BM_Refresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Caption)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareSteps)->Arg(1)->Arg(3)->Arg(15)->Iterations(kCycles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueuedSteps)->Arg(1)->Arg(3)->Arg(15)->Iterations(kCycles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimerCycle)->Arg(1)->Arg(3)->Arg(15)->Iterations(kCycles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintedCycle)
    ->Args({DesignWidth, DesignHeight, kSteps})
    ->Args({3840, 2160, kSteps})
    ->Iterations(kCycles)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintedCycle)
    ->Args({DesignWidth, DesignHeight, 1})
    ->Args({3840, 2160, 1})
    ->Iterations(kCycles * 10)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mainwindow::Form1 form;
    form.Show();
    QCoreApplication::processEvents();
    form.cboSteps.setText(std::to_string(kSteps));
    window = &form;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
