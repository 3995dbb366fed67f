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
        {0, 0},   // cold start, idling
        {60, 0},  // pulls away into town
        {90, 30},
        {140, 30},
        {160, 0},  // red light
        {185, 0},
        {215, 35},
        {265, 35},
        {285, 0},  // red light
        {305, 0},
        {330, 25},  // towards the on-ramp
        {365, 25},
        {425, 62},  // up the ramp onto the highway
        {520, 62},
        {560, 55, 5.0},  // a long climb: the truck slows and the engine heats up
        {700, 52, 5.0},
        {740, 64, 0.0},  // over the crest
        {820, 64},
        {860, 30},  // off the highway
        {895, 30},
        {915, 0},  // red light
        {940, 0},
        {965, 25},  // the last street
        {995, 25},
        {1012, 0},  // parked
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
