#include <benchmark/benchmark.h>

#include <QImage>

#include "OffscreenDashboard.h"
#include "ui/panels/Panel.h"

namespace rovik::bench {

namespace {
constexpr std::uint16_t kPid = 84;

// Paints one gauge of the given kind into an image, its value moving every time, as the
// gauge repaints when its parameter changes. The rate is per second of CPU time, so another
// busy program on the machine does not lower it.
template <typename Record>
void GaugePaintBench(benchmark::State& state, Record record) {
    record.rect = {0, 0, 200, 160};
    record.pid = kPid;
    record.showWarningLamp = true;
    Screen screen;
    screen.panels = {record};
    OffscreenDashboard dashboard({kPid}, screen);
    Panel* gauge = dashboard.Main().Panels().front();
    QImage image(gauge->size(), QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        dashboard.StoreValue(kPid, static_cast<float>(step++ % 91));
        gauge->render(&image);
    }
    state.counters["paints_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
}  // namespace

BENCHMARK_CAPTURE(GaugePaintBench, SimpleGauge, SimpleGaugeRecord());
BENCHMARK_CAPTURE(GaugePaintBench, ScanGauge, ScanGaugeRecord());

}  // namespace rovik::bench
