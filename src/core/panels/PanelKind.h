#pragma once

#include <cstdint>

namespace rovik {

// The kind codes that start each panel's record in a screen file.
struct PanelKind {
    static constexpr char kBlank = '0';
    static constexpr char kSimpleGauge = '1';
    static constexpr char kScanGauge = '2';
    static constexpr char kOdometer = '3';
    static constexpr char kTransmission = '4';
    static constexpr char kMultibar = '5';
    static constexpr char kHistogram = '6';
    static constexpr char kClock = '7';
    static constexpr char kPicture = '8';
    static constexpr char kText = '9';
    static constexpr char kTankMinder = 'A';
    static constexpr char kTireGauge = 'B';
    static constexpr char kMessageBox = 'C';

    static constexpr bool IsKind(std::uint8_t code) {
        return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'C');
    }
};

}  // namespace rovik
