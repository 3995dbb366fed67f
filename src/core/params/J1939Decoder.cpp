#include "core/params/J1939Decoder.h"

#include <algorithm>
#include <optional>

#include "core/diag/FaultRecorder.h"
#include "core/params/J1939Fields.h"
#include "core/params/TransmissionMode.h"
#include "core/values/Pids.h"
#include "core/values/PreferredSourceTable.h"
#include "core/values/ValueStore.h"

namespace rovik {

namespace {
constexpr std::uint32_t kTransportAnnounce = 60416;
constexpr std::uint32_t kTransportData = 60160;
constexpr std::uint32_t kRetarder = 61440;
constexpr std::uint32_t kTransmission2 = 61445;
constexpr std::uint32_t kDm1 = 65226;
constexpr std::uint32_t kEngineHours = 65253;
constexpr std::uint32_t kFuelConsumption = 65257;
constexpr std::uint32_t kCruiseControl = 65265;
constexpr std::uint32_t kVehicleDistanceHighResolution = 65217;
constexpr std::uint32_t kVehicleDistanceLowResolution = 65248;
// Miles for one unit of the two distance fields: 5 m and 125 m.
constexpr double kHighResolutionMiles = 0.003106856;
constexpr double kLowResolutionMiles = 0.0776714;
// A diagnostic trouble code: three bytes of SPN and FMI, then the conversion method in the
// top bit of the occurrence count.
constexpr std::size_t kTroubleCodeSize = 4;
constexpr std::uint8_t kOlderLayout = 0x80;
constexpr std::uint8_t kFmiBits = 0x1F;
// The retarder's percent is stored only for readings below this.
constexpr std::uint8_t kRetarderNotReading = 254;
constexpr double kRetarderOffset = 125.0;

// Field readers: a value, 0 for a field that reports an error, nothing when not available.
using Field = std::optional<float>;

Field Scaled(std::uint64_t raw, std::uint64_t lastValid, std::uint64_t notAvailable,
             double resolution, double offset) {
    if (raw == notAvailable) {
        return std::nullopt;
    }
    if (raw > lastValid) {
        return 0.0f;
    }
    return static_cast<float>(static_cast<double>(raw) * resolution + offset);
}

// Whole bytes, low byte first: of the top codes of the width, the highest is "not
// available" and the four below it are errors.
Field Bytes(const J1939Frame& frame, int first, int count, double resolution, double offset) {
    std::uint64_t raw = 0;
    for (int i = count - 1; i >= 0; --i) {
        raw = (raw << 8) | frame.data[first + i];
    }
    const std::uint64_t notAvailable = (std::uint64_t{1} << (8 * count)) - 1;
    return Scaled(raw, notAvailable - 5, notAvailable, resolution, offset);
}

// An n-bit status field: the top code is "not available", the one below it an error.
Field Bits(const J1939Frame& frame, int k, int shift, int width, double resolution = 1.0) {
    const unsigned top = (1u << width) - 1;
    const unsigned raw = (frame.data[k] >> shift) & top;
    return Scaled(raw, top - 2, top, resolution, 0.0);
}

Field Read(const J1939Frame& frame, const J1939Fields::Field& field) {
    if (field.bits % 8 != 0) {
        return Bits(frame, field.byte, field.shift, field.bits, field.scale);
    }
    return Bytes(frame, field.byte, field.bits / 8, field.scale, field.offset);
}

// The current gear as the J1587 range character, or 0 when it has none.
char GearCharacter(std::uint8_t gear) {
    if (gear < 125) {
        return 'R';
    }
    if (gear == 125) {
        return 'N';
    }
    if (gear <= 134) {
        return static_cast<char>(gear - 77);
    }
    if (gear <= 160) {
        return static_cast<char>(gear - 38);
    }
    return gear == 251 ? 'P' : 0;
}

bool IsTransport(std::uint32_t pgn, std::uint32_t kind) {
    return (pgn & 0x1FF00) == kind;
}
}  // namespace

void J1939Decoder::Store(int slot, unsigned pid, std::optional<float> value) {
    if (value) {
        store.StoreValue(slot, pid, *value);
    }
}

void J1939Decoder::DecodeJ1939(const J1939Frame& frame) {
    const bool transmission = frame.sourceAddress == 3 || frame.sourceAddress == 22;
    const int slot = transmission ? kTransmissionSlot : kEngineSlot;
    if (IsTransport(frame.pgn, kTransportAnnounce) || IsTransport(frame.pgn, kTransportData)) {
        DecodeTransport(frame);
        return;
    }
    for (const J1939Fields::Field& field : J1939Fields::Of(frame.pgn)) {
        Store(slot, field.pid, Read(frame, field));
    }
    DecodeSpecialFields(frame, slot);
}

void J1939Decoder::DecodeSpecialFields(const J1939Frame& frame, int slot) {
    switch (frame.pgn) {
        case kRetarder:
            if (frame.data[1] < kRetarderNotReading) {
                store.StoreValue(slot, pid::kRetarderPercent,
                                 static_cast<float>(kRetarderOffset - frame.data[1]));
            }
            break;
        case kTransmission2:
            DecodeTransmission2(frame, slot);
            break;
        case kCruiseControl:
            DecodeCruiseStatus(frame, slot);
            break;
        case kDm1:
            RecordJ1939Fault(frame.sourceAddress, frame.data.data() + 2);
            break;
        case kVehicleDistanceHighResolution:
            StoreTotal(distance, slot, pid::kTotalDistance,
                       Bytes(frame, 0, 4, kHighResolutionMiles, 0.0));
            break;
        case kVehicleDistanceLowResolution:
            StoreTotal(distance, slot, pid::kTotalDistance,
                       Bytes(frame, 4, 4, kLowResolutionMiles, 0.0));
            break;
        case kEngineHours:
            StoreTotal(engineHours, slot, pid::kTotalEngineHours, Bytes(frame, 0, 4, 0.05, 0.0));
            break;
        case kFuelConsumption:
            StoreTotal(fuelUsed, slot, pid::kTotalFuel, Bytes(frame, 4, 4, 0.13208602, 0.0));
            break;
        default:
            break;
    }
}

void J1939Decoder::StoreTotal(Total& total, int slot, unsigned pid, std::optional<float> value) {
    // A total that goes backwards or beyond belief is a bad reading, not a new total.
    if (value && *value > total.last && *value < total.limit) {
        total.last = *value;
        store.StoreValue(slot, pid, *value);
    }
}

void J1939Decoder::DecodeTransmission2(const J1939Frame& frame, int slot) {
    const std::uint8_t requested = frame.data[4];
    if (requested < 250) {
        store.StoreRawBytes(slot, pid::kRangeSelected, &requested, 1);
        store.MarkUpdated(slot, pid::kRangeSelected);
    }
    const auto gear = static_cast<std::uint8_t>(GearCharacter(frame.data[3]));
    if (gear != 0) {
        store.StoreRawBytes(slot, pid::kRangeAttained, &gear, 1);
        store.MarkUpdated(slot, pid::kRangeAttained);
    }
    Store(slot, pid::kTransmissionMode, TransmissionMode(frame.data[5]));
}

void J1939Decoder::DecodeCruiseStatus(const J1939Frame& frame, int slot) {
    struct Switch {
        int byte;
        int shift;
        int bit;
    };
    constexpr Switch kSwitches[] = {{3, 0, 7}, {3, 2, 0}, {3, 4, 5}, {3, 6, 6},
                                    {4, 0, 1}, {4, 2, 2}, {4, 4, 3}, {4, 6, 4}};
    for (const Switch& s : kSwitches) {
        Field state = Bits(frame, s.byte, s.shift, 2);
        if (!state) {
            continue;
        }
        const auto mask = static_cast<std::uint8_t>(1u << s.bit);
        cruiseStatus = *state != 0.0f ? (cruiseStatus | mask) : (cruiseStatus & ~mask);
    }
    store.StoreValue(slot, pid::kCruiseStatus, cruiseStatus);
}

// The SPN by the code's conversion method: the current layout holds 19 bits, low byte
// first; the older ones are told apart by which reading is the plausible, smaller one.
void J1939Decoder::RecordJ1939Fault(std::uint8_t source, const std::uint8_t* code) {
    const std::uint32_t older = 65536u * code[0] + 256u * code[1] + code[2];
    // All zeros is no fault, all ones is padding.
    if (!faults || older == 0 || older == 0xFFFFFF) {
        return;
    }
    const std::uint32_t current = code[0] + 256u * code[1] + 65536u * (code[2] >> 5);
    const std::uint32_t spn = (code[3] & kOlderLayout) ? std::min(current, older >> 5) : current;
    faults->RecordFault(source, spn, code[2] & kFmiBits, code[3], true);
}

void J1939Decoder::DecodeTransport(const J1939Frame& frame) {
    std::unique_ptr<TransportReassembly>& transfer = transfers[frame.sourceAddress];
    if (IsTransport(frame.pgn, kTransportAnnounce)) {
        if (!transfer) {
            transfer = std::make_unique<TransportReassembly>();
        }
        transfer->Announce(frame);
    } else if (transfer && transfer->AddPacket(frame) && transfer->Pgn() == kDm1) {
        RecordPackedFaults(frame.sourceAddress, *transfer);
    }
}

// The codes follow the two lamp bytes; a code that does not lie wholly within the announced
// size is padding, as is the first code of all ones.
void J1939Decoder::RecordPackedFaults(std::uint8_t source, const TransportReassembly& message) {
    const auto& buffer = message.Buffer();
    const std::size_t end = std::min<std::size_t>(message.TotalSize(), buffer.size());
    for (std::size_t at = 2; at + kTroubleCodeSize <= end; at += kTroubleCodeSize) {
        if (buffer[at] == 0xFF && buffer[at + 1] == 0xFF && buffer[at + 2] == 0xFF) {
            return;
        }
        RecordJ1939Fault(source, buffer.data() + at);
    }
}

}  // namespace rovik
