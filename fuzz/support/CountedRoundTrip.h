#pragma once

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/alarms/CountedRecords.h"

// Reads any bytes as a file of counted records, writes the records it read and reads that
// again. The second reading must hold as many records and write the same bytes, or a list
// saved and loaded again would not be the one the user had. Bytes are compared, not
// values, since a trigger value may be a NaN, which equals nothing.
template <typename Record>
int CountedRoundTrip(const std::uint8_t* data, std::size_t size) {
    using Records = rovik::CountedRecords<Record>;
    const auto first = Records::FromBytes(std::vector<std::uint8_t>(data, data + size));
    const std::vector<std::uint8_t> written = Records::ToBytes(first);
    const auto second = Records::FromBytes(written);
    if (second.size() != first.size() || Records::ToBytes(second) != written) {
        std::abort();
    }
    return 0;
}
