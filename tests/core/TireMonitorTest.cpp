#include <gtest/gtest.h>

#include <algorithm>

#include "core/tires/TireMonitor.h"

using namespace rovik;

TEST(TireMonitor, WarningIsTheWorstStatusWithNoReportBelowCaution) {
    const std::pair<std::vector<std::uint8_t>, std::uint8_t> cases[] = {
        {{}, 1}, {{1, 0, 1}, 0}, {{0, 2, 0}, 2}, {{3, 2, 0}, 3}, {{2, 3}, 3}};
    for (const auto& [some, level] : cases) {
        TireMonitor::Statuses statuses;
        statuses.fill(TireMonitor::kNoSensorAssigned);
        std::copy(some.begin(), some.end(), statuses.begin());
        EXPECT_EQ(TireMonitor::WarningLevel(statuses), level) << some.size() << " sensors";
    }
}
