#pragma once

#include <string>

#include "vxbsim/DriveRoute.h"
#include "vxbsim/J1587Fault.h"

namespace vxbsim {

// The drive shipped with the program: a cold start, town legs with stops at lights, a highway
// stretch with a long climb that overheats the engine for a while, and a last stop. Recorded
// as a VX100 on RS-232 sends it, in simulated time, so the same length always gives the same
// bytes on every machine.
class DemoDrive {
public:
    // What the program writes at the start of every raw log.
    static constexpr char kRawLogHeader[] = "Raw Log\r\n";
    static constexpr int kMinutes = 16;
    // While the climb heats the coolant the engine reports it too hot (PID 110, FMI 0), from
    // this second of the drive until this one.
    static constexpr int kFaultRaisedSecond = 586;
    static constexpr int kFaultClearedSecond = 766;

    static DriveRoute Route();
    static J1587Fault CoolantFault();
    // The raw log of the drive's first minutes (beyond the route the truck stands idling):
    // the header, then every byte the box sent.
    static std::string Record(int minutes = kMinutes);
};

}  // namespace vxbsim
