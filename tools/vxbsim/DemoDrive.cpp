#include "vxbsim/DemoDrive.h"

#include "vxbsim/Emulator.h"
#include "vxbsim/J1587Builder.h"
#include "vxbsim/RecordingEndpoint.h"

namespace vxbsim {

namespace {
constexpr int kPeriodMs = 100;
constexpr long kTicksPerSecond = 1000 / kPeriodMs;
// The program replays at most 500 bytes a second. Every message every period would come to
// about 490, so the brakes, whose application pressure matters least, send theirs every other
// period; the drive then replays at about its own pace.
constexpr int kBrakeFastEvery = 2;
}  // namespace

DriveRoute DemoDrive::Route() {
    return DriveRoute({
        {0, 0},  // cold start, a few seconds at idle
        {6, 0},  // pulls away into town while still cold
        {36, 30},
        {86, 30},
        {106, 0},  // red light
        {131, 0},
        {161, 35},
        {211, 35},
        {231, 0},  // red light
        {251, 0},
        {276, 25},  // towards the on-ramp
        {311, 25},
        {371, 62},  // up the ramp onto the highway
        {466, 62},
        {506, 55, 5.0},  // a long climb: the truck slows and the engine heats up
        {646, 52, 5.0},
        {686, 64, 0.0},  // over the crest
        {766, 64},
        {806, 30},  // off the highway
        {841, 30},
        {861, 0},  // red light
        {886, 0},
        {911, 25},  // the last street
        {941, 25},
        {958, 0},  // parked
        {kMinutes * 60, 0},
    });
}

J1587Fault DemoDrive::CoolantFault() {
    return {.mid = J1587Builder::kEngine, .code = 110, .fmi = 0, .occurrences = 1};
}

std::string DemoDrive::Record(int minutes) {
    RecordingEndpoint log;
    Emulator box(BoxModel::Vx100, log, kPeriodMs, VehicleModel(Route()));
    box.SetFastEvery(J1587Builder::kBrakes, kBrakeFastEvery);
    const J1587Fault fault = CoolantFault();
    const long ticks = static_cast<long>(minutes) * 60 * kTicksPerSecond;
    for (long tick = 0; tick < ticks; ++tick) {
        if (tick == kFaultRaisedSecond * kTicksPerSecond) {
            box.RaiseFault(fault);
        }
        if (tick == kFaultClearedSecond * kTicksPerSecond) {
            box.ClearJ1587Fault(fault.mid, fault.code, fault.isSid);
        }
        box.Tick();
    }
    return kRawLogHeader + log.Recorded();
}

}  // namespace vxbsim
