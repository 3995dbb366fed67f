#include "core/diag/FaultCollector.h"

#include <algorithm>
#include <cstddef>

namespace rovik {

namespace {
constexpr std::uint8_t kInactive = 0x40;
constexpr std::uint8_t kStandardCode = 0x20;
constexpr std::uint8_t kSubsystem = 0x10;
constexpr std::uint8_t kFmiBits = 0x0F;
constexpr std::uint8_t kJ1939FmiBits = 0x1F;
constexpr std::uint32_t kExpansion = 256;

// The same code from another controller or the other link is another fault.
std::uint64_t Identity(const FaultEntry& entry) {
    const bool isJ1939 = entry.type == FaultEntry::Type::Spn;
    return std::uint64_t{entry.key} | std::uint64_t{entry.source} << 32 |
           std::uint64_t{isJ1939} << 40;
}
}  // namespace

FaultCollector::FaultCollector(std::string historyPath, Clock clock)
    : history(std::move(historyPath)), clock(std::move(clock)) {}

void FaultCollector::RecordFault(std::uint8_t source, std::uint32_t code, std::uint8_t secondByte,
                                 std::uint8_t occurrence, bool isJ1939) {
    const FaultEntry entry = MakeEntry(source, code, secondByte, occurrence, isJ1939);
    if (Remember(entry) && entry.active) {
        WriteToHistory(entry);
    }
}

FaultEntry FaultCollector::MakeEntry(std::uint8_t source, std::uint32_t code,
                                     std::uint8_t secondByte, std::uint8_t occurrence,
                                     bool isJ1939) const {
    FaultEntry entry;
    entry.key = (code << 8) + secondByte;
    entry.source = source;
    entry.occurrence = occurrence;
    entry.time = clock();
    if (isJ1939) {
        entry.type = FaultEntry::Type::Spn;
        entry.code = code;
        entry.fmi = secondByte & kJ1939FmiBits;
        entry.active = true;
    } else {
        entry.type = (secondByte & kSubsystem) ? FaultEntry::Type::Sid : FaultEntry::Type::Pid;
        entry.code = (secondByte & kStandardCode) ? code : code + kExpansion;
        entry.fmi = secondByte & kFmiBits;
        entry.active = (secondByte & kInactive) == 0;
    }
    return entry;
}

bool FaultCollector::Remember(const FaultEntry& entry) {
    const std::uint64_t identity = Identity(entry);
    std::lock_guard lock(listMutex);
    auto listed = std::find_if(entries.begin(), entries.begin() + static_cast<long>(count),
                               [&](const FaultEntry& e) { return Identity(e) == identity; });
    if (listed != entries.begin() + static_cast<long>(count) || unlistedFaults.contains(identity)) {
        return false;
    }
    ++runningTotal;
    if (count < kListed) {
        entries[count++] = entry;
        return true;
    }
    if (unlistedFaults.size() >= kUnlistedMemory) {
        unlistedFaults.clear();
    }
    unlistedFaults.insert(identity);
    ++unlistedCount;
    return true;
}

void FaultCollector::WriteToHistory(const FaultEntry& entry) {
    std::string problem = history.Append(entry.Line());
    std::lock_guard lock(listMutex);
    historyProblem = std::move(problem);
}

FaultCollector::Recent FaultCollector::RecentFaults() const {
    std::lock_guard lock(listMutex);
    Recent recent{runningTotal, {}, unlistedCount, historyProblem};
    for (std::size_t i = 0; i < count; ++i) {
        recent.lines.push_back(entries[i].Line());
    }
    return recent;
}

std::uint32_t FaultCollector::RunningTotal() const {
    std::lock_guard lock(listMutex);
    return runningTotal;
}

std::size_t FaultCollector::Count() const {
    std::lock_guard lock(listMutex);
    return count;
}

std::string FaultCollector::FaultLine(std::size_t i) const {
    std::lock_guard lock(listMutex);
    return i < count ? entries[i].Line() : std::string();
}

void FaultCollector::ClearRecentList() {
    std::lock_guard lock(listMutex);
    entries.fill(FaultEntry{});
    count = 0;
    runningTotal = 0;
    unlistedFaults.clear();
    unlistedCount = 0;
}

}  // namespace rovik
