#include "vxbsim/CommandLine.h"

#include <algorithm>
#include <charconv>

namespace vxbsim {

namespace {
std::optional<BoxModel> ModelNamed(const std::string& name) {
    if (name == "vx100") {
        return BoxModel::Vx100;
    }
    if (name == "vx101") {
        return BoxModel::Vx101;
    }
    if (name == "vx150") {
        return BoxModel::Vx150;
    }
    return std::nullopt;
}

std::optional<int> Number(const std::string& text, int lowest, int highest) {
    int value = 0;
    auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (fault != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

// The value of a switch whose value may be left out: the next argument unless it is a switch.
std::optional<std::string> OptionalValue(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
        return args[++i];
    }
    return std::nullopt;
}
}  // namespace

std::optional<CommandLine::Options> CommandLine::Parse(const std::vector<std::string>& args,
                                                       std::string& error) {
    Options options;
    bool minutesGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--model") {
            auto model = i + 1 < args.size() ? ModelNamed(args[++i]) : std::nullopt;
            if (!model) {
                error = "--model takes vx100, vx101 or vx150";
                return std::nullopt;
            }
            options.model = *model;
        } else if (arg == "--pty") {
            options.tcp = false;
        } else if (arg == "--tcp") {
            options.tcp = true;
            if (auto value = OptionalValue(args, i)) {
                auto port = Number(*value, 0, 65535);
                if (!port) {
                    error = "--tcp takes a port from 0 to 65535";
                    return std::nullopt;
                }
                options.port = *port;
            }
        } else if (arg == "--fault") {
            options.faults = 1;
            if (auto value = OptionalValue(args, i)) {
                auto count = Number(*value, 1, kMaxSampleFaults);
                if (!count) {
                    error = "--fault takes a count from 1 to 3";
                    return std::nullopt;
                }
                options.faults = *count;
            }
        } else if (arg == "--vehicle-silent") {
            options.vehicleSilentAfter = 0.0;
            if (auto value = OptionalValue(args, i)) {
                auto seconds = Number(*value, 0, 86400);
                if (!seconds) {
                    error = "--vehicle-silent takes a number of seconds";
                    return std::nullopt;
                }
                options.vehicleSilentAfter = *seconds;
            }
        } else if (arg == "--tires") {
            options.tires = kDefaultTires;
            if (auto value = OptionalValue(args, i)) {
                auto count = Number(*value, 1, kMaxTires);
                if (!count) {
                    error = "--tires takes a count of sensors from 1 to 16";
                    return std::nullopt;
                }
                options.tires = *count;
            }
        } else if (arg == "--tire-low" || arg == "--tire-silent") {
            auto position =
                i + 1 < args.size() ? Number(args[++i], 0, kMaxTires - 1) : std::nullopt;
            if (!position) {
                error = arg + " takes a sensor position from 0 to 15";
                return std::nullopt;
            }
            (arg == "--tire-low" ? options.lowTire : options.silentSensor) = *position;
        } else if (arg == "--record") {
            auto path = OptionalValue(args, i);
            if (!path || path->empty()) {
                error = "--record takes the file to write";
                return std::nullopt;
            }
            options.recordPath = *path;
        } else if (arg == "--minutes") {
            auto minutes =
                i + 1 < args.size() ? Number(args[++i], 1, kMaxRecordMinutes) : std::nullopt;
            if (!minutes) {
                error = "--minutes takes a number from 1 to 600";
                return std::nullopt;
            }
            options.recordMinutes = *minutes;
            minutesGiven = true;
        } else {
            error = "unknown argument: " + arg;
            return std::nullopt;
        }
    }
    if (!CheckRecording(options, minutesGiven, error) || !CheckTires(options, error)) {
        return std::nullopt;
    }
    return options;
}

// A recording is always the demo drive on a VX100 and serves nobody, so the switches that
// shape a served box do not go with it.
bool CommandLine::CheckRecording(const Options& options, bool minutesGiven, std::string& error) {
    if (options.recordPath.empty()) {
        if (minutesGiven) {
            error = "--minutes goes with --record";
        }
        return !minutesGiven;
    }
    if (options.model != BoxModel::Vx100 || options.tcp || options.faults > 0 ||
        options.vehicleSilentAfter >= 0.0 || options.tires > 0) {
        error = "--record makes the VX100 demo drive and takes only --minutes";
        return false;
    }
    return true;
}

bool CommandLine::CheckTires(const Options& options, std::string& error) {
    if (std::max(options.lowTire, options.silentSensor) >= options.tires) {
        error = "--tire-low and --tire-silent name a sensor of --tires";
        return false;
    }
    return true;
}

const char* CommandLine::Usage() {
    return "usage: vxbsim [--model vx100|vx101|vx150] [--pty | --tcp [PORT]] [--fault [N]]\n"
           "              [--vehicle-silent [SECONDS]] [--tires [N]] [--tire-low P]\n"
           "              [--tire-silent P]\n"
           "       vxbsim --record FILE [--minutes N]\n"
           "Emulates a VXB box and streams a simulated drive: J1708 from the engine,\n"
           "transmission and brakes, J1939 as well on the VX101 and VX150, and the box's\n"
           "statistics about once a second. It answers version requests, register reads and\n"
           "writes, bit gap changes and J1939 requests.\n"
           "  --model M             the box to emulate (vx100 by default)\n"
           "  --pty                 serve a pseudo-terminal and print its path (the default)\n"
           "  --tcp [PORT]          listen on 127.0.0.1:PORT (51966 by default, 0 takes any)\n"
           "  --fault [N]           5 seconds after the start, raise N sample faults (1 to 3,\n"
           "                        1 by default) on both links\n"
           "  --vehicle-silent [S]  S seconds after the start (0 by default), stop every\n"
           "                        vehicle message; the box keeps reporting its statistics\n"
           "  --tires [N]           add a tire pressure receiver (MID 166) with N sensors\n"
           "                        (1 to 16, 6 by default) at its first positions; it learns,\n"
           "                        clears and reports sensors as the program asks\n"
           "  --tire-low P          the tire at position P reads low (60 PSI) with its code\n"
           "  --tire-silent P       the sensor at position P stops reporting\n"
           "  --record FILE         write the demo drive as a VX100 raw log (.rvk) to FILE, in\n"
           "                        simulated time, and exit: a cold start, town legs, a\n"
           "                        highway climb that overheats the engine for a while\n"
           "  --minutes N           record the first N minutes (1 to 600; the drive lasts 16,\n"
           "                        after which the truck stands idling)\n"
           "  --help                show this and exit\n";
}

}  // namespace vxbsim
