#include "core/params/PidSniffer.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "core/diag/FaultNames.h"
#include "core/params/AutomaticDefinitions.h"
#include "core/params/ParameterTable.h"
#include "core/values/DerivedNumbers.h"
#include "core/values/Pids.h"
#include "core/values/ValueLookup.h"

namespace rovik {

namespace {
struct DerivedName {
    unsigned number;
    const char* name;
};

using D = DerivedNumbers;
const DerivedName kDerivedNames[] = {
    {D::kBrakesRoadSpeed, "ABS Road Speed"},
    {D::kBrakesBatteryVolts, "ABS Voltage"},
    {D::kRollingMpg, "Rolling MPG (DERIVED)"},
    {D::kAcceleration, "Acceleration (DERIVED)"},
    {D::kBraking, "Braking (DERIVED)"},
    {D::kPeakAcceleration, "Peak Acceleration (DERIVED)"},
    {pid::kTransmissionMode, "Transmission Mode (DERIVED)"},
    {D::kTireWarning, "PressurePro Warning (DERIVED)"},
    {D::kRecentMpg, "Recent MPG (DERIVED)"},
    {D::kPeakCoolantTemperature, "Max Coolant Temp (DERIVED)"},
    {D::kPeakTransmissionOilTemperature, "Max Trans Temp (DERIVED)"},
    {D::kPeakOilTemperature, "Max Oil Temp (DERIVED)"},
    {D::kPeakIntakeTemperature, "Max Manifold Temp (DERIVED)"},
    {D::kPeakEngineSpeed, "Max RPMS (DERIVED)"},
    {D::kPeakRoadSpeed, "Max Speed (DERIVED)"},
    {D::kHorsepower, "Horsepower (DERIVED)"},
    {D::kTorque, "Torque (DERIVED)"},
};

// printf into a string as long as the text needs: a value may run to hundreds of digits.
template <typename Value>
std::string Printed(const char* format, Value value) {
    int length = std::snprintf(nullptr, 0, format, value);
    if (length < 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, value);
    text.pop_back();
    return text;
}
}  // namespace

std::vector<PidSniffer::Line> PidSniffer::Lines(const ValueLookup& values,
                                                const ParameterTable& parameters) {
    std::vector<Line> lines;
    for (unsigned pid = kFirstListed; pid <= kLastListed; ++pid) {
        if (values.GetUpdateCount(pid) == 0) {
            continue;
        }
        std::string text = Printed("PID %3u   ", pid) + Name(pid);
        text += parameters.IsDefined(pid) ? "  Defined  " : "  Undefined";
        text += Printed("%9.1f", values.GetValue(pid));
        lines.push_back({pid, std::move(text)});
    }
    return lines;
}

std::string PidSniffer::Name(unsigned pid) {
    for (const DerivedName& derived : kDerivedNames) {
        if (derived.number == pid) {
            std::string name = derived.name;
            name.resize(FaultNames::kComponentWidth, ' ');
            return name;
        }
    }
    return FaultNames::Component(pid);
}

PidSniffer::Addition PidSniffer::AddDefinition(ParameterTable& parameters, unsigned pid) {
    if (parameters.IsDefined(pid)) {
        return Addition::AlreadyDefined;
    }
    std::optional<Parameter> definition = AutomaticDefinitions::For(pid);
    if (!definition) {
        return Addition::NotAvailable;
    }
    if (parameters.IsFull()) {
        return Addition::TableFull;
    }
    parameters.Append(std::make_unique<Parameter>(*definition));
    return Addition::Added;
}

}  // namespace rovik
