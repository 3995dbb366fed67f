#include <benchmark/benchmark.h>

#include "ui/app/DashboardApp.h"

int main(int argc, char** argv) {
    // The figures are the program's own work, not a display server's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    rovik::DashboardApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
