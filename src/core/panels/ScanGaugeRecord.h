#pragma once

#include <cstdint>
#include <vector>

#include "core/panels/PidList.h"
#include "core/panels/SimpleGaugeRecord.h"

namespace rovik {

// The screen-file record of a scan gauge: a simple gauge that shows each PID of its scan list
// in turn, for dwell timer ticks each. The simple part's pid is the PID on screen.
struct ScanGaugeRecord : SimpleGaugeRecord {
    static constexpr std::size_t kMaxScanCount = PidList::kMaxCount;

    ScanGaugeRecord() { kind = PanelKind::kScanGauge; }

    // Reads what follows the kind code; fields not held whole keep their values. A count
    // above kMaxScanCount keeps the first entries and still consumes the rest; a count of 0
    // gives a list of the PID on screen, so the gauge always has something to show.
    bool Read(ByteReader& reader);
    // Writes at most kMaxScanCount entries.
    void Write(ByteWriter& writer) const;

    // Takes the PIDs chosen in the properties dialog, in list order: the first
    // kMaxScanCount of them, or the single PID 0 when none is chosen.
    void SetScanList(std::vector<std::uint16_t> chosen);

    bool operator==(const ScanGaugeRecord&) const = default;

    std::uint32_t dwell = 6;
    std::vector<std::uint16_t> scanList{84};
};

}  // namespace rovik
