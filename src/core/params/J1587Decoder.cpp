#include "core/params/J1587Decoder.h"

#include <algorithm>
#include <array>

#include "core/diag/FaultRecorder.h"
#include "core/params/TotalLimits.h"
#include "core/params/TransmissionMode.h"
#include "core/values/Pids.h"
#include "core/values/PreferredSourceTable.h"
#include "core/values/ValueStore.h"

namespace rovik {

namespace {
using pid::kDiagnostics;
using pid::kPageEscape;
using pid::kRangeSelected;
using pid::kTotalFuel;
using pid::kTransmissionMode;
// A diagnostic code's byte with this bit is followed by its occurrence count.
constexpr std::uint8_t kOccurrenceFollows = 0x80;

struct ResolutionRow {
    float resolution;
    std::initializer_list<unsigned> pids;
};

using ResolutionTable = std::array<float, 256>;

ResolutionTable MakeTable(std::initializer_list<ResolutionRow> rows) {
    ResolutionTable table;
    table.fill(1.0f);
    for (const ResolutionRow& row : rows) {
        for (unsigned pid : row.pids) {
            table[pid] = row.resolution;
        }
    }
    return table;
}

const ResolutionTable kPageOne = MakeTable({
    {0.00390625f, {164, 184, 185}},
    {0.015624f, {183}},
    {0.05f, {167, 168, 235, 246, 247, 248}},
    {0.0625f, {99, 108, 112}},
    {0.1f, {244, 245}},
    {0.125f, {101, 102, 109, 182, 236, 250}},
    {0.2f, {107}},
    {0.25f,
     {95, 106, 126, 169, 170, 171, 172, 173, 174, 175, 176, 177, 186, 187, 188, 189, 190, 191}},
    {0.4f, {91}},
    {0.5f, {68, 74, 80, 84, 86, 87, 88, 92, 94, 96, 98, 100, 111, 122, 124}},
    {0.6f, {48, 104, 116, 117, 118, 119}},
    {1.2f, {114, 115}},
    {2.0f, {113, 120, 123, 127}},
    {4.0f, {180, 181}},
    {20.0f, {93}},
    {500.0f, {103}},
    {1000.0f, {249}},
});

const ResolutionTable kPageTwo = MakeTable({
    {0.0078125f, {155}},
    {0.01813f, {183}},
    {0.25f, {148, 156}},
    {0.4f, {98}},
});

// Items whose data is a two's complement number: temperatures that fall below zero, net
// battery current, output torque and crankcase pressure. Every other item is unsigned.
constexpr std::array<unsigned, 12> kSignedPageOne = {93,  101, 114, 169, 170, 171,
                                                     172, 173, 174, 175, 176, 177};
constexpr std::array<unsigned, 2> kSignedPageTwo = {148, 156};

bool IsSigned(unsigned pid, bool pageTwo) {
    return pageTwo ? std::ranges::find(kSignedPageTwo, pid) != kSignedPageTwo.end()
                   : std::ranges::find(kSignedPageOne, pid) != kSignedPageOne.end();
}

// The item's data bytes as one unsigned little-endian number; bytes beyond the eighth cannot
// be held and are left out.
std::uint64_t LittleEndian(const J1708Frame& frame, std::size_t first, std::size_t count) {
    std::uint64_t number = 0;
    for (std::size_t k = std::min<std::size_t>(count, 8); k > 0; --k) {
        number = (number << 8) | frame[first + k - 1];
    }
    return number;
}
}  // namespace

float J1587Decoder::Resolution(unsigned pid, bool pageTwo) {
    return (pageTwo ? kPageTwo : kPageOne)[pid & 0xFF];
}

void J1587Decoder::DecodeJ1587(const J1708Frame& frame, int slot) {
    std::size_t index = (frame.length > 1 && frame[1] == kPageEscape) ? 2 : 1;
    const std::size_t checksum = frame.length - 1;
    while (index != 0 && index < checksum) {
        index = DecodeItem(frame, index, slot);
    }
}

std::size_t J1587Decoder::DecodeItem(const J1708Frame& frame, std::size_t index, int slot) {
    const std::size_t checksum = frame.length - 1;
    const std::uint8_t pid = frame[index];
    if (pid == kDiagnostics && slot != kPageTwoSlot && faults) {
        ReportFaults(frame, index);
    }
    if (pid >= 254) {
        return 0;
    }
    // Every item has to end before the checksum byte.
    std::size_t last = index + (pid < 128 ? 1 : pid < 192 ? 2 : 1);
    if (pid >= 192 && last < checksum) {
        last += frame[index + 1];
    }
    if (last >= checksum) {
        return 0;
    }
    if (pid < 128) {
        StoreOneByteItem(frame, index, slot);
    } else if (pid < 192) {
        StoreTwoByteItem(frame, index, slot);
    } else if (pid == kTotalFuel) {
        StoreTotalFuel(frame, index, slot);
    } else {
        StoreCountedItem(frame, index, slot);
    }
    return last + 1;
}

void J1587Decoder::StoreOneByteItem(const J1708Frame& frame, std::size_t index, int slot) {
    const std::uint8_t pid = frame[index];
    const bool pageTwo = slot == kPageTwoSlot;
    const std::uint8_t raw = frame[index + 1];
    const int number = IsSigned(pid, pageTwo) ? static_cast<std::int8_t>(raw) : raw;
    store.StoreRawBytes(slot, pid, frame.bytes + index + 1, 1);
    store.StoreValue(slot, pid, static_cast<float>(number) * Resolution(pid, pageTwo));
}

void J1587Decoder::StoreTwoByteItem(const J1708Frame& frame, std::size_t index, int slot) {
    const std::uint8_t pid = frame[index];
    const bool pageTwo = slot == kPageTwoSlot;
    const auto raw = static_cast<std::uint16_t>(frame[index + 2] * 256u + frame[index + 1]);
    const int number = IsSigned(pid, pageTwo) ? static_cast<std::int16_t>(raw) : raw;
    store.StoreRawBytes(slot, pid, frame.bytes + index + 1, 2);
    store.StoreValue(slot, pid, static_cast<float>(number) * Resolution(pid, pageTwo));
    // On page two this index is another PID, which says nothing about the transmission.
    if (pid == kRangeSelected && slot != kPageTwoSlot) {
        // The selected range's second character gives the mode; any other stores 0.
        store.StoreValue(slot, kTransmissionMode,
                         TransmissionMode(frame[index + 2]).value_or(0.0f));
    }
}

void J1587Decoder::StoreCountedItem(const J1708Frame& frame, std::size_t index, int slot) {
    const std::uint8_t pid = frame[index];
    const std::uint8_t count = frame[index + 1];
    store.StoreRawBytes(slot, pid, frame.bytes + index + 2, count);
    const auto number = static_cast<double>(LittleEndian(frame, index + 2, count));
    store.StoreValue(slot, pid, static_cast<float>(number * Resolution(pid, slot == kPageTwoSlot)));
}

void J1587Decoder::StoreTotalFuel(const J1708Frame& frame, std::size_t index, int slot) {
    const std::uint8_t count = frame[index + 1];
    const double gallons =
        static_cast<double>(LittleEndian(frame, index + 2, count)) * Resolution(kTotalFuel, false);
    if (gallons < kMostGallons) {
        store.StoreValue(slot, kTotalFuel, static_cast<float>(gallons));
    }
}

// The codes of a diagnostic item, each a code byte and a diagnostic byte, with the occurrence
// count after them when the diagnostic byte says so. The groups end with the item's count or
// the message's data, whichever comes first; the checksum is no part of them.
void J1587Decoder::ReportFaults(const J1708Frame& frame, std::size_t index) {
    if (index + 1 >= frame.length - 1) {
        return;
    }
    std::size_t at = index + 2;
    const std::size_t end = std::min<std::size_t>(at + frame[index + 1], frame.length - 1);
    while (at + 1 < end) {
        const std::uint8_t code = frame[at];
        const std::uint8_t diagnostic = frame[at + 1];
        at += 2;
        std::uint8_t occurrence = 0;
        if (diagnostic & kOccurrenceFollows) {
            if (at >= end) {
                return;
            }
            occurrence = frame[at++];
        }
        faults->RecordFault(frame.Mid(), code, diagnostic, occurrence, false);
    }
}

}  // namespace rovik
