#pragma once

#include <cstdint>

#include "core/panels/PanelRecord.h"

namespace rovik {

// The screen-file record of a message box: how many message lines it is divided into, and
// whether it shows only the messages of one parameter.
struct MessageBoxRecord : PanelRecord {
    static constexpr std::uint8_t kNewLines = 5;
    static constexpr std::uint8_t kMaxLines = 99;

    MessageBoxRecord() { kind = PanelKind::kMessageBox; }

    // Reads what follows the kind code; fields not held whole keep their values.
    bool Read(ByteReader& reader);
    void Write(ByteWriter& writer) const;

    // At least one line, whatever the file says.
    int Lines() const { return messageLines == 0 ? 1 : messageLines; }

    bool operator==(const MessageBoxRecord&) const = default;

    std::uint8_t messageLines = kNewLines;
    std::uint16_t filterPid = 0;
    // Shows only the messages that watch the filter PID.
    bool limitToFilter = false;
};

}  // namespace rovik
