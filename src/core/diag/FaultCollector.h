#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/diag/DiagnosticHistory.h"
#include "core/diag/FaultEntry.h"
#include "core/diag/FaultRecorder.h"

namespace rovik {

// Collects the fault codes of both data links: the distinct recent faults, listed for the
// user, and every new active fault appended to the history file.
// Threads: the receive thread records faults; the interface thread reads and clears the
// list and creates or clears the history. listMutex guards the list and its counters; the
// history has a lock of its own, so a slow disk never holds up a reader of the list.
class FaultCollector : public FaultRecorder {
public:
    // The list shows this many faults at most.
    static constexpr std::size_t kListed = 19;
    // Faults beyond the list are remembered only so they are written once; a vehicle that
    // reports more distinct faults than this starts the memory afresh.
    static constexpr std::size_t kUnlistedMemory = 4096;

    using Clock = std::function<std::time_t()>;

    explicit FaultCollector(
        std::string historyPath = DiagnosticHistory::kFileName,
        Clock clock = [] { return std::time(nullptr); });

    void RecordFault(std::uint8_t source, std::uint32_t code, std::uint8_t secondByte,
                     std::uint8_t occurrence, bool isJ1939) override;

    // What the list shows now, for the dialog.
    struct Recent {
        // Grows with every fault recorded; the list has changed when it has.
        std::uint32_t runningTotal = 0;
        std::vector<std::string> lines;
        // Faults recorded since the list was full, which only the history holds.
        std::uint32_t unlisted = 0;
        // Why the last fault could not be written to the history, or empty.
        std::string historyProblem;
    };
    Recent RecentFaults() const;
    std::uint32_t RunningTotal() const;
    std::size_t Count() const;
    // The line of listed fault i, or an empty text when there is none.
    std::string FaultLine(std::size_t i) const;
    // Forgets every fault, so each is recorded again when next reported.
    void ClearRecentList();

    bool CreateHistoryIfMissing() { return history.CreateIfMissing(); }
    bool ClearHistory() { return history.Clear(); }
    const std::string& HistoryPath() const { return history.Path(); }

private:
    FaultEntry MakeEntry(std::uint8_t source, std::uint32_t code, std::uint8_t secondByte,
                         std::uint8_t occurrence, bool isJ1939) const;
    // Adds the fault unless it is known; false when it was.
    bool Remember(const FaultEntry& entry);
    void WriteToHistory(const FaultEntry& entry);

    DiagnosticHistory history;
    Clock clock;

    mutable std::mutex listMutex;
    std::array<FaultEntry, kListed> entries{};
    std::size_t count = 0;
    std::uint32_t runningTotal = 0;
    std::unordered_set<std::uint64_t> unlistedFaults;
    std::uint32_t unlistedCount = 0;
    std::string historyProblem;
};

}  // namespace rovik
