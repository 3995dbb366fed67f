#include "core/params/J1939Decoder.h"

#include <algorithm>
#include <optional>

#include "core/diag/FaultRecorder.h"
#include "core/params/TransmissionMode.h"
#include "core/values/PreferredSourceTable.h"
#include "core/values/ValueStore.h"

namespace rovik {

namespace {
constexpr std::uint32_t kTransportAnnounce = 60416;
constexpr std::uint32_t kTransportData = 60160;
constexpr std::uint32_t kDm1 = 65226;
constexpr std::uint8_t kEngineSource = 128;
constexpr std::uint8_t kTransmissionSource = 130;
constexpr unsigned kTransmissionMode = 13;
constexpr unsigned kSelectedRange = 162;
constexpr unsigned kCurrentRange = 163;
constexpr unsigned kCruiseStatus = 85;

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

Field Byte(const J1939Frame& frame, int k, double resolution, double offset = 0.0) {
    return Scaled(frame.data[k], 250, 255, resolution, offset);
}

Field Word(const J1939Frame& frame, int k, double resolution, double offset = 0.0) {
    const std::uint64_t raw = frame.data[k] + 256u * frame.data[k + 1];
    return Scaled(raw, 65530, 65535, resolution, offset);
}

Field DoubleWord(const J1939Frame& frame, int k, double resolution) {
    std::uint64_t raw = 0;
    for (int i = 3; i >= 0; --i) {
        raw = (raw << 8) | frame.data[k + i];
    }
    return Scaled(raw, 4294967290ull, 4294967295ull, resolution, 0.0);
}

// An n-bit status field: the top code is "not available", the one below it an error.
Field Bits(const J1939Frame& frame, int k, int shift, int width) {
    const unsigned top = (1u << width) - 1;
    const unsigned raw = (frame.data[k] >> shift) & top;
    return Scaled(raw, top - 2, top, 1.0, 0.0);
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
        if (!transmission) {
            DecodeTransport(frame);
        }
        return;
    }
    if (!DecodePowertrain(frame, slot) && !DecodeTemperatures(frame, slot)) {
        DecodeVehicle(frame, slot) || DecodeTotals(frame, slot);
    }
}

bool J1939Decoder::DecodePowertrain(const J1939Frame& frame, int slot) {
    switch (frame.pgn) {
        case 61440:
            if (frame.data[1] < 254) {
                store.StoreValue(slot, 122, static_cast<float>(125 - frame.data[1]));
            }
            return true;
        case 61442:
            Store(slot, 191, Word(frame, 1, 0.125));
            return true;
        case 61443:
            Store(slot, 91, Byte(frame, 1, 0.4));
            Store(slot, 92, Byte(frame, 2, 1.0));
            return true;
        case 61444:
            Store(slot, 190, Word(frame, 3, 0.125));
            return true;
        case 61445:
            DecodeTransmission2(frame, slot);
            return true;
        case 65110:
            Store(slot, 225, Byte(frame, 0, 0.4));
            Store(slot, 215, Byte(frame, 1, 1.8, -40.0));
            Store(slot, 204, Bits(frame, 4, 5, 3));
            Store(slot, 35, Byte(frame, 6, 0.4));
            return true;
        case 65213:
            Store(slot, 207, Byte(frame, 0, 0.4));
            return true;
        default:
            return false;
    }
}

bool J1939Decoder::DecodeTemperatures(const J1939Frame& frame, int slot) {
    switch (frame.pgn) {
        case 65262:
            Store(slot, 110, Byte(frame, 0, 1.8, -40.0));
            Store(slot, 174, Byte(frame, 1, 1.8, -40.0));
            Store(slot, 175, Word(frame, 2, 0.05625, -459.4));
            return true;
        case 65269:
            Store(slot, 171, Word(frame, 3, 0.05625, -459.4));
            return true;
        case 65270:
            Store(slot, 102, Byte(frame, 1, 0.29008));
            Store(slot, 105, Byte(frame, 2, 1.8, -40.0));
            return true;
        case 65272:
            Store(slot, 177, Word(frame, 4, 0.05625, -459.4));
            return true;
        case 65275:
            Store(slot, 120, Byte(frame, 1, 1.8, -40.0));
            return true;
        default:
            return false;
    }
}

bool J1939Decoder::DecodeVehicle(const J1939Frame& frame, int slot) {
    switch (frame.pgn) {
        case 65226:
            DecodeSingleFrameFaults(frame, slot);
            return true;
        case 65263:
            Store(slot, 100, Byte(frame, 3, 0.58015));
            return true;
        case 65265:
            Store(slot, 84, Word(frame, 1, 0.00242775));
            Store(slot, 86, Byte(frame, 5, 0.6215));
            DecodeCruiseStatus(frame, slot);
            return true;
        case 65266:
            Store(slot, 183, Word(frame, 0, 0.013208603));
            Store(slot, 184, Word(frame, 2, 0.0046));
            return true;
        case 65271:
            Store(slot, 168, Word(frame, 4, 0.05));
            Store(slot, 158, Word(frame, 6, 0.05));
            return true;
        default:
            return false;
    }
}

bool J1939Decoder::DecodeTotals(const J1939Frame& frame, int slot) {
    switch (frame.pgn) {
        case 65217:
            StoreTotal(distance, slot, 245, DoubleWord(frame, 0, 0.003106856));
            return true;
        case 65244:
            Store(slot, 236, DoubleWord(frame, 0, 0.13208602));
            Store(slot, 235, DoubleWord(frame, 4, 0.05));
            return true;
        case 65253:
            StoreTotal(engineHours, slot, 247, DoubleWord(frame, 0, 0.05));
            return true;
        case 65257:
            StoreTotal(fuelUsed, slot, 250, DoubleWord(frame, 4, 0.13208602));
            return true;
        default:
            return false;
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
        store.StoreRawBytes(slot, kSelectedRange, &requested, 1);
        store.MarkUpdated(slot, kSelectedRange);
    }
    const auto gear = static_cast<std::uint8_t>(GearCharacter(frame.data[3]));
    if (gear != 0) {
        store.StoreRawBytes(slot, kCurrentRange, &gear, 1);
        store.MarkUpdated(slot, kCurrentRange);
    }
    Store(slot, kTransmissionMode, TransmissionMode(frame.data[5]));
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
    store.StoreValue(slot, kCruiseStatus, cruiseStatus);
}

void J1939Decoder::DecodeSingleFrameFaults(const J1939Frame& frame, int slot) {
    const auto& d = frame.data;
    const std::uint32_t older = 65536u * d[2] + 256u * d[3] + d[4];
    if (older == 0 || older == 0xFFFFFF) {
        return;
    }
    const std::uint8_t source = slot == kEngineSlot ? kEngineSource : kTransmissionSource;
    RecordJ1939Fault(source, d[2], d[3], d[4], d[5]);
}

void J1939Decoder::RecordJ1939Fault(std::uint8_t source, std::uint8_t d0, std::uint8_t d1,
                                    std::uint8_t d2, std::uint8_t occurrence) {
    if (!faults) {
        return;
    }
    // Old controllers pack the SPN differently; the smaller reading is the plausible one.
    const std::uint32_t current = d0 + 256u * d1 + 65536u * (d2 >> 5);
    const std::uint32_t older = (65536u * d0 + 256u * d1 + d2) >> 5;
    faults->RecordFault(source, std::min(current, older), d2 & 31, occurrence, true);
}

void J1939Decoder::DecodeTransport(const J1939Frame& frame) {
    if (IsTransport(frame.pgn, kTransportAnnounce)) {
        transport.Announce(frame);
    } else if (transport.AddPacket(frame) && transport.Pgn() == kDm1) {
        RecordPackedFaults();
    }
}

void J1939Decoder::RecordPackedFaults() {
    const auto& buffer = transport.Buffer();
    const std::size_t end = std::min<std::size_t>(transport.TotalSize(), buffer.size() - 3);
    for (std::size_t at = 2; at < end; at += 4) {
        const std::uint32_t older = 65536u * buffer[at] + 256u * buffer[at + 1] + buffer[at + 2];
        if (older > 0xFFFFFE) {
            return;
        }
        RecordJ1939Fault(kEngineSource, buffer[at], buffer[at + 1], buffer[at + 2], buffer[at + 3]);
    }
}

}  // namespace rovik
