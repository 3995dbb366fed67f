#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vxbsim/BoxEncoder.h"
#include "vxbsim/DemoDrive.h"

namespace vxbsim {

// The switches of the vxbsim program.
class CommandLine {
public:
    struct Options {
        BoxModel model = BoxModel::Vx100;
        bool tcp = false;
        int port = 51966;
        // Sample faults raised on both links a few seconds after the start.
        int faults = 0;
        // Seconds after the start when the vehicle side falls silent; below 0, never.
        double vehicleSilentAfter = -1.0;
        // Sensors of the tire pressure receiver, at its first positions; 0 for no receiver.
        int tires = 0;
        // The position of a tire that reads low and of a sensor that stopped; below 0, none.
        int lowTire = -1;
        int silentSensor = -1;
        // Where to write the demo drive's raw log; empty to serve a program instead.
        std::string recordPath;
        int recordMinutes = DemoDrive::kMinutes;
        bool help = false;
    };

    static constexpr int kMaxSampleFaults = 3;
    static constexpr int kMaxRecordMinutes = 600;
    static constexpr int kDefaultTires = 6;
    static constexpr int kMaxTires = 16;

    // The options, or nothing with the reason in error.
    static std::optional<Options> Parse(const std::vector<std::string>& args, std::string& error);
    static const char* Usage();

private:
    static bool CheckRecording(const Options& options, bool minutesGiven, std::string& error);
    // A low tire or a silent sensor must be one of the receiver's.
    static bool CheckTires(const Options& options, std::string& error);
};

}  // namespace vxbsim
