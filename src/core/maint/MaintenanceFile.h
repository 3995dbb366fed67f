#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/maint/MaintenanceSchedule.h"

namespace rovik {

// maintenance.rvk: the schedule and the history as plain text, one value a line, lines
// ended by CR LF.
class MaintenanceFile {
public:
    static constexpr const char* kFileName = "maintenance.rvk";
    static constexpr const char* kFirstLine = "RVK PC Maintenance file v1.0";

    // What the path held: no file, a maintenance file, or a file that is not one (or that
    // could not be read), which must not be overwritten without asking.
    enum class Found { kNothing, kSchedule, kOther };
    struct Loaded {
        MaintenanceSchedule schedule;
        Found found = Found::kNothing;
    };

    // The schedule the file holds, empty unless it is a maintenance file. Items whose last
    // instance the file does not give are taken as performed now at this distance.
    static Loaded Load(const std::string& path, Moment now, double distance);
    // Replaces the file through a temporary file, so a failed write leaves the old file
    // whole; false when it fails.
    static bool Save(const std::string& path, const MaintenanceSchedule& schedule);

    static std::vector<std::uint8_t> ToBytes(const MaintenanceSchedule& schedule);
};

}  // namespace rovik
