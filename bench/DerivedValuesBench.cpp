// The work the receive thread adds to every pass for the derived values.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>

#include "core/link/LiveValues.h"
#include "core/values/PreferredSourceTable.h"

using namespace rovik;

namespace {
struct Source {
    int slot;
    unsigned pid;
    float start;
};

// The six maxima's sources, each starting just under its tracker's limit.
constexpr Source kSources[] = {
    {kEngineSlot, 110, 999.0f}, {kTransmissionSlot, 177, 999.0f}, {kEngineSlot, 175, 999.0f},
    {kEngineSlot, 105, 999.0f}, {kEngineSlot, 190, 9999.0f},      {kEngineSlot, 84, 199.0f},
};

// Every source keeps falling a little, so each tracker's ring stays full of candidates. The
// totals are known, so the fuel economy windows take a sample on every pass.
void UpdateAveragesWithFullTrackers(benchmark::State& state) {
    LiveValues link("/RovikBench-" + std::to_string(::getpid()));
    link.Derived().SetAverageWindow(6000);
    link.Store().StoreValue(kEngineSlot, 250, 12000.0f);
    link.Store().StoreValue(kEngineSlot, 245, 90000.0f);
    link.Store().StoreValue(kEngineSlot, 184, 6.5f);
    double fall = 0.0;
    auto step = [&] {
        fall += 1e-5;
        for (const Source& source : kSources) {
            link.Store().StoreValue(source.slot, source.pid,
                                    source.start - static_cast<float>(fall));
        }
        link.UpdateAverages();
    };
    for (int pass = 0; pass < 2000; ++pass) {
        step();
    }
    for (auto _ : state) {
        step();
    }
    state.SetLabel("includes storing the six source values");
}
BENCHMARK(UpdateAveragesWithFullTrackers);
}  // namespace
