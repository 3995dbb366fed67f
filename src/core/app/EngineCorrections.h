#pragma once

#include <cstdint>

#include "core/values/Pids.h"

namespace rovik {

class DerivedValues;
class ParameterTable;
struct Settings;

// What the Engine Corrections dialog edits: the offset and multiplier of the odometer, hour
// meter and fuel meter parameters, the rolling fuel economy window, which PID is the
// odometer, and the two J1939 request switches.
struct EngineCorrections {
    struct Correction {
        float offset = 0.0f;
        float multiplier = 1.0f;
    };

    Correction odometer;
    Correction hourmeter;
    Correction fuelmeter;
    std::uint32_t rollingMpgBufferSize = 150;
    std::uint8_t odometerPid = pid::kTotalDistance;
    bool requestFuelmeter = false;
    bool requestOdometer = false;

    // What the dialog starts from; a meter without a parameter shows no correction.
    static EngineCorrections Current(const ParameterTable& parameters, const Settings& settings);

    // Puts the corrections into the parameters, the settings and the derived values (when
    // there are any): the meters' own, those derived from them for speed, fuel rate and fuel
    // economy, the alternative odometer PID 244 (added when missing), the window, the switches.
    void Apply(ParameterTable& parameters, Settings& settings, DerivedValues* derived) const;
};

}  // namespace rovik
