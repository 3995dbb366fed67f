#pragma once

#include <cstdint>
#include <vector>

#include "core/panels/PanelRecord.h"
#include "core/values/Pids.h"

namespace rovik {

// The screen-file record of a histogram: the PIDs it plots and how often it adds a column.
// The picture it has drawn is not kept; it starts empty.
struct HistogramRecord : PanelRecord {
    static constexpr std::uint32_t kFastestRate = 1;
    static constexpr std::uint32_t kSlowestRate = 60;

    HistogramRecord() { kind = PanelKind::kHistogram; }

    // Reads what follows the kind code; fields not held whole keep their values. The list
    // reads as PidList does; an empty one plots road speed, as a new histogram does. A rate
    // outside kFastestRate..kSlowestRate, which the properties dialog refuses, reads as the
    // nearest one it allows.
    bool Read(ByteReader& reader);
    void Write(ByteWriter& writer) const;
    // Takes the PIDs chosen in the properties dialog, as PidList::Chosen gives them.
    void SetPids(std::vector<std::uint16_t> chosen);

    bool operator==(const HistogramRecord&) const = default;

    std::vector<std::uint16_t> pids{pid::kRoadSpeed};
    // Seconds between columns, less one: a column comes after updateRate + 1 seconds.
    std::uint32_t updateRate = kFastestRate;
};

}  // namespace rovik
