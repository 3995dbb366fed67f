#include "vxbsim/VehicleModel.h"

#include <algorithm>
#include <cmath>

namespace vxbsim {

namespace {
// Speed over a ten-minute cycle: stop, accelerate to 60 mph, cruise, slow down.
double SpeedAt(double seconds) {
    double phase = std::fmod(seconds, 600.0) / 600.0;
    return 60.0 * std::clamp(std::sin(phase * 3.14159265) * 1.4, 0.0, 1.0);
}

void PutU16(Message& message, double value) {
    auto raw = static_cast<std::uint16_t>(std::clamp(value, 0.0, 65535.0));
    message.push_back(static_cast<std::uint8_t>(raw));
    message.push_back(static_cast<std::uint8_t>(raw >> 8));
}
}  // namespace

void VehicleModel::Step(double seconds) {
    time += seconds;
    roadSpeed = SpeedAt(time);
    engineRpm = 650.0 + roadSpeed * 22.0;
    coolant = std::min(195.0, coolant + seconds * 0.5);
}

std::vector<Message> VehicleModel::J1587Messages() const {
    // J1587 resolutions: road speed 0.5 mph, engine speed 0.25 rpm, coolant 1 degree F.
    Message engine = {128,
                      84,
                      static_cast<std::uint8_t>(roadSpeed * 2.0),
                      110,
                      static_cast<std::uint8_t>(coolant),
                      190};
    PutU16(engine, engineRpm * 4.0);
    Message transmission = {130, 191};
    PutU16(transmission, engineRpm * 4.0);
    return {engine, transmission};
}

}  // namespace vxbsim
