#include <benchmark/benchmark.h>
#include <time.h>

#include <QEventLoop>
#include <QTimer>
#include <chrono>

#include "OffscreenDashboard.h"
#include "PaintCounter.h"
#include "core/app/MainTick.h"
#include "ui/panels/Panel.h"

namespace rovik::bench {

namespace {
constexpr int kGauges = 40;
constexpr int kColumns = 8;
constexpr int kGaugeSize = 120;
constexpr std::uint16_t kFirstPid = 100;
constexpr int kWarmUpPeriods = 10;
constexpr int kMeasuredPeriods = 50;

std::uint16_t PidOf(int gauge) {
    return static_cast<std::uint16_t>(kFirstPid + gauge);
}

std::vector<std::uint16_t> GaugePids() {
    std::vector<std::uint16_t> pids;
    for (int i = 0; i < kGauges; ++i) {
        pids.push_back(PidOf(i));
    }
    return pids;
}

// Every gauge with its lamp, name, value and bar, in rows across the window.
Screen GaugeGrid() {
    Screen screen;
    for (int i = 0; i < kGauges; ++i) {
        SimpleGaugeRecord gauge;
        gauge.pid = PidOf(i);
        gauge.showWarningLamp = true;
        const int left = i % kColumns * kGaugeSize;
        const int top = i / kColumns * kGaugeSize;
        gauge.rect = {left, top, left + kGaugeSize, top + kGaugeSize};
        screen.panels.push_back(gauge);
    }
    return screen;
}

// On every tick of the main timer each gauge's value moves; ticks counts them.
void FeedChangingValues(OffscreenDashboard& dashboard, int& ticks) {
    QObject::connect(
        &dashboard.Main().MainTimer(), &QTimer::timeout, &dashboard.Main(), [&dashboard, &ticks] {
            ++ticks;
            for (int i = 0; i < kGauges; ++i) {
                dashboard.StoreValue(PidOf(i), static_cast<float>((ticks * 3 + i * 7) % 91));
            }
        });
}

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Usage {
    double cpuSeconds = 0.0;
    double wallSeconds = 0.0;
};

// Lets the dashboard run in real time for this many main-timer periods.
Usage RunPeriods(int periods) {
    const double cpuBefore = ProcessCpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    QEventLoop loop;
    // A coarse timer, Qt's choice for long ones, may end the run 5 % early.
    QTimer::singleShot(periods * static_cast<int>(MainTick::kTickMs), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    loop.exec();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallBefore;
    return {ProcessCpuSeconds() - cpuBefore, wall.count()};
}

// The whole program's CPU time, in percent of one core, while 40 gauges follow values that
// change on every tick of the main timer.
void DashboardCpuBench(benchmark::State& state) {
    OffscreenDashboard dashboard(GaugePids(), GaugeGrid());
    int ticks = 0;
    FeedChangingValues(dashboard, ticks);
    PaintCounter paints;
    for (Panel* gauge : dashboard.Main().Panels()) {
        gauge->installEventFilter(&paints);
    }
    RunPeriods(kWarmUpPeriods);
    for (auto _ : state) {
        const int ticksBefore = ticks;
        const int paintsBefore = paints.Count();
        const Usage usage = RunPeriods(kMeasuredPeriods);
        state.SetIterationTime(usage.wallSeconds);
        state.counters["cpu_percent_of_one_core"] = 100.0 * usage.cpuSeconds / usage.wallSeconds;
        state.counters["ticks"] = ticks - ticksBefore;
        state.counters["gauge_paints_per_second"] =
            (paints.Count() - paintsBefore) / usage.wallSeconds;
    }
}
}  // namespace

BENCHMARK(DashboardCpuBench)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace rovik::bench
