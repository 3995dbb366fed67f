#include "core/tires/TireSensor.h"

#include <cstdio>

namespace rovik {

namespace {
const char* StateWord(std::uint8_t status) {
    switch (status) {
        case TireSensor::kOk:
            return "OK     ";
        case TireSensor::kCaution:
            return "CAUTION";
        case TireSensor::kAlarm:
            return "ALARM  ";
        default:
            return nullptr;
    }
}
}  // namespace

std::string TireSensor::StatusLine(int number) const {
    char line[128];
    if (const char* word = StateWord(status)) {
        std::snprintf(line, sizeof line,
                      "%2d  %s  %4.0f PSI  %4.0f Deg  [%3d Pct %4d Cnt %4.0f PSI] %2d", number,
                      word, static_cast<double>(pressure), static_cast<double>(temperature), pct,
                      cnt, static_cast<double>(secondPressure), reportCode);
    } else {
        const char* text = status == kNoSensorReport     ? "No Sensor Report"
                           : status == kNoSensorAssigned ? "No Sensor Assigned"
                                                         : "Rovik Program Error";
        std::snprintf(line, sizeof line, "%2d  %s", number, text);
    }
    return line;
}

}  // namespace rovik
