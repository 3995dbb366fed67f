#include <gtest/gtest.h>

#include "core/tires/TireSensor.h"

using namespace rovik;

TEST(TireSensor, StatusLinesOfEveryStatus) {
    TireSensor sensor{2, 123.4f, 187.6f, 100, 234, 99.6f, 0, 12, 0};
    EXPECT_EQ(sensor.StatusLine(15),
              "15  CAUTION   123 PSI   188 Deg  [100 Pct  234 Cnt  100 PSI] 12");
    const std::pair<std::uint8_t, std::string> others[] = {
        {3, " 3  ALARM     123 PSI   188 Deg  [100 Pct  234 Cnt  100 PSI] 12"},
        {0, " 3  No Sensor Report"},
        {255, " 3  No Sensor Assigned"},
        {4, " 3  Rovik Program Error"}};
    for (const auto& [status, line] : others) {
        sensor.status = status;
        EXPECT_EQ(sensor.StatusLine(3), line);
    }
}
