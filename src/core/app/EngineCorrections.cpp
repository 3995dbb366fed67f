#include "core/app/EngineCorrections.h"

#include <memory>

#include "core/app/Settings.h"
#include "core/params/DerivedValues.h"
#include "core/params/ParameterTable.h"
#include "core/values/DerivedNumbers.h"
#include "core/values/Pids.h"

namespace rovik {

namespace {
constexpr unsigned kOdometerPid = pid::kTotalDistance;
constexpr unsigned kAlternativeOdometerPid = pid::kTripDistance;
constexpr unsigned kHourmeterPid = pid::kTotalEngineHours;
constexpr unsigned kFuelmeterPid = pid::kTotalFuel;

// The parameter with exactly this PID, if any (FindByPid falls back to the last one).
Parameter* Defined(const ParameterTable& parameters, unsigned pid) {
    Parameter* found = parameters.FindByPid(pid);
    return found && found->pid == pid ? found : nullptr;
}

EngineCorrections::Correction CorrectionOf(const ParameterTable& parameters, unsigned pid) {
    if (const Parameter* parameter = Defined(parameters, pid)) {
        return {parameter->offset, parameter->multiplier};
    }
    return {};
}

void SetCorrection(const ParameterTable& parameters, unsigned pid,
                   const EngineCorrections::Correction& correction) {
    if (Parameter* parameter = Defined(parameters, pid)) {
        parameter->offset = correction.offset;
        parameter->multiplier = correction.multiplier;
    }
}

// A value that follows two meters takes the ratio of their multipliers; a zero divisor
// leaves it as it was rather than making it infinite.
void SetRatio(const ParameterTable& parameters, unsigned pid, float numerator, float denominator) {
    Parameter* parameter = Defined(parameters, pid);
    if (parameter && denominator != 0.0f) {
        parameter->multiplier = numerator / denominator;
    }
}

std::unique_ptr<Parameter> AlternativeOdometer() {
    auto parameter = std::make_unique<Parameter>();
    parameter->name = "Total Miles (Alternative)";
    parameter->abbreviation = "Mls";
    parameter->unit = "Mi";
    parameter->pid = kAlternativeOdometerPid;
    parameter->gaugeMinimum = 0.0f;
    parameter->gaugeMaximum = 1000000.0f;
    parameter->lowYellowLine = 0.0f;
    parameter->lowRedLine = 0.0f;
    parameter->highYellowLine = 1000000.0f;
    parameter->highRedLine = 1000000.0f;
    parameter->format = "%.1f";
    return parameter;
}
}  // namespace

EngineCorrections EngineCorrections::Current(const ParameterTable& parameters,
                                             const Settings& settings) {
    EngineCorrections current;
    current.odometer = CorrectionOf(parameters, kOdometerPid);
    current.hourmeter = CorrectionOf(parameters, kHourmeterPid);
    current.fuelmeter = CorrectionOf(parameters, kFuelmeterPid);
    current.rollingMpgBufferSize = settings.rollingMpgBufferSize;
    current.odometerPid = settings.odometerPid;
    current.requestFuelmeter = settings.requestFuelmeter;
    current.requestOdometer = settings.requestOdometer;
    return current;
}

void EngineCorrections::Apply(ParameterTable& parameters, Settings& settings,
                              DerivedValues* derived) const {
    settings.odometerPid = odometerPid;
    SetCorrection(parameters, kOdometerPid, odometer);
    SetCorrection(parameters, kHourmeterPid, hourmeter);
    SetCorrection(parameters, kFuelmeterPid, fuelmeter);

    const float distance = odometer.multiplier;
    const float hours = hourmeter.multiplier;
    const float fuel = fuelmeter.multiplier;
    SetRatio(parameters, DerivedNumbers::kRollingMpg, distance, fuel);
    SetRatio(parameters, pid::kFuelEconomy, distance, fuel);
    SetRatio(parameters, pid::kFuelRate, fuel, hours);
    SetRatio(parameters, pid::kCruiseSetSpeed, distance, hours);
    SetRatio(parameters, pid::kRoadSpeed, distance, hours);

    if (odometerPid == kAlternativeOdometerPid) {
        if (!parameters.IsDefined(kAlternativeOdometerPid)) {
            parameters.Append(AlternativeOdometer());
        }
        SetCorrection(parameters, kAlternativeOdometerPid, odometer);
    }
    if (rollingMpgBufferSize != settings.rollingMpgBufferSize) {
        settings.rollingMpgBufferSize = rollingMpgBufferSize;
        if (derived) {
            derived->SetAverageWindow(rollingMpgBufferSize);
        }
    }
    settings.requestFuelmeter = requestFuelmeter;
    settings.requestOdometer = requestOdometer;
    if (derived) {
        derived->SetOdometerPid(odometerPid);
    }
}

}  // namespace rovik
