#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vxbsim/BoxEncoder.h"

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
        bool help = false;
    };

    static constexpr int kMaxSampleFaults = 3;

    // The options, or nothing with the reason in error.
    static std::optional<Options> Parse(const std::vector<std::string>& args, std::string& error);
    static const char* Usage();
};

}  // namespace vxbsim
