#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rovik {

// What the data log records, where and how often; kept in SETTINGS.DAT.
struct DataLogSettings {
    static constexpr std::size_t kMaxColumns = 100;
    static constexpr std::uint32_t kMinInterval = 1;
    static constexpr std::uint32_t kMaxInterval = 3600;

    std::uint32_t interval = 60;  // seconds
    // The PIDs of the logged parameters, one column each, in column order.
    std::vector<std::uint16_t> columns;
    std::string fileName = "DefaultLog.txt";
    bool logWhenEngineOff = false;

    bool operator==(const DataLogSettings&) const = default;
};

}  // namespace rovik
