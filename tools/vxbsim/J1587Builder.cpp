#include "vxbsim/J1587Builder.h"

#include <map>

#include "vxbsim/J1587Item.h"
#include "vxbsim/J1708Packer.h"

namespace vxbsim {

namespace {
using Items = std::vector<Message>;

void Append(std::vector<Message>& to, const std::vector<Message>& messages) {
    to.insert(to.end(), messages.begin(), messages.end());
}

Items SlowEngineItems(const VehicleModel& v) {
    return {J1587Item::OneByte(100, v.OilPressurePsi(), 0.5),
            J1587Item::OneByte(102, v.BoostPsi(), 0.125),
            J1587Item::OneByte(105, v.IntakeManifoldF(), 1.0),
            J1587Item::OneByte(110, v.CoolantF(), 1.0),
            J1587Item::TwoBytes(168, v.BatteryVolts(), 0.05),
            J1587Item::TwoBytes(171, v.AmbientF(), 0.25),
            J1587Item::TwoBytes(174, v.FuelTempF(), 0.25),
            J1587Item::TwoBytes(175, v.OilTempF(), 0.25),
            J1587Item::Counted(245, v.DistanceMiles(), 0.1, 4),
            J1587Item::Counted(247, v.EngineHours(), 0.05, 4),
            J1587Item::Counted(250, v.FuelUsedGallons(), 0.125, 4)};
}

// Page 2, index 155 and 156: EGR differential pressure and EGR temperature.
Items EnginePage2Items(const VehicleModel& v) {
    return {J1587Item::TwoBytes(155, v.EgrDifferentialPsi(), 1.0 / 128.0),
            J1587Item::TwoBytes(156, v.EgrTempF(), 0.25)};
}

Items SlowTransmissionItems(const VehicleModel& v) {
    return {J1587Item::Characters(162, v.SelectedRange()),
            J1587Item::Characters(163, v.AttainedRange()),
            J1587Item::TwoBytes(177, v.TransmissionOilTempF(), 0.25)};
}

Items SlowBrakeItems(const VehicleModel& v) {
    return {J1587Item::OneByte(117, v.PrimaryAirPsi(), 0.6),
            J1587Item::OneByte(118, v.SecondaryAirPsi(), 0.6)};
}

// Each MID's faults, in diagnostic items short enough for one message each.
std::map<std::uint8_t, Items> DiagnosticItems(const std::vector<J1587Fault>& faults) {
    std::map<std::uint8_t, std::vector<J1587Fault>> pending;
    std::map<std::uint8_t, Items> items;
    for (const J1587Fault& fault : faults) {
        auto& chunk = pending[fault.mid];
        chunk.push_back(fault);
        if (chunk.size() == J1587Item::kFaultsPerItem) {
            items[fault.mid].push_back(J1587Item::Diagnostic(chunk));
            chunk.clear();
        }
    }
    for (const auto& [mid, chunk] : pending) {
        if (!chunk.empty()) {
            items[mid].push_back(J1587Item::Diagnostic(chunk));
        }
    }
    return items;
}
}  // namespace

std::vector<Message> J1587Builder::Fast(const VehicleModel& v) {
    Items engine = {J1587Item::OneByte(84, v.RoadSpeedMph(), 0.5),
                    J1587Item::OneByte(91, v.AcceleratorPercent(), 0.4),
                    J1587Item::OneByte(92, v.EngineLoadPercent(), 0.5),
                    J1587Item::TwoBytes(190, v.EngineRpm(), 0.25),
                    J1587Item::TwoBytes(183, v.FuelRateGph(), 0.015624),
                    J1587Item::TwoBytes(184, v.EconomyMpg(), 1.0 / 256.0)};
    std::vector<Message> messages = J1708Packer::Pack(kEngine, false, engine);
    Append(messages, J1708Packer::Pack(kTransmission, false,
                                       {J1587Item::TwoBytes(191, v.OutputShaftRpm(), 0.25)}));
    Append(messages, J1708Packer::Pack(kBrakes, false,
                                       {J1587Item::OneByte(116, v.BrakeApplicationPsi(), 0.6)}));
    return messages;
}

std::vector<Message> J1587Builder::Slow(const VehicleModel& v,
                                        const std::vector<J1587Fault>& faults) {
    std::map<std::uint8_t, Items> items = DiagnosticItems(faults);
    auto withFaults = [&](std::uint8_t mid, Items own) {
        Items& diagnostic = items[mid];
        own.insert(own.end(), diagnostic.begin(), diagnostic.end());
        items.erase(mid);
        return J1708Packer::Pack(mid, false, own);
    };
    std::vector<Message> messages = withFaults(kEngine, SlowEngineItems(v));
    Append(messages, J1708Packer::Pack(kEngine, true, EnginePage2Items(v)));
    Append(messages, withFaults(kTransmission, SlowTransmissionItems(v)));
    Append(messages, withFaults(kBrakes, SlowBrakeItems(v)));
    for (const auto& [mid, diagnostic] : items) {
        Append(messages, J1708Packer::Pack(mid, false, diagnostic));
    }
    return messages;
}

}  // namespace vxbsim
