#pragma once

#include <cstdint>
#include <vector>

namespace vxbsim {

using Message = std::vector<std::uint8_t>;

// A small truck on a steady drive: road and engine speed follow a slow speed cycle, the
// coolant warms up. It gives the J1587 messages its controllers would send.
class VehicleModel {
public:
    void Step(double seconds);
    // Engine (MID 128) and transmission (MID 130) messages, without checksums.
    std::vector<Message> J1587Messages() const;

    double RoadSpeedMph() const { return roadSpeed; }
    double EngineRpm() const { return engineRpm; }
    double CoolantF() const { return coolant; }

private:
    double time = 0.0;
    double roadSpeed = 0.0;
    double engineRpm = 650.0;
    double coolant = 70.0;
};

}  // namespace vxbsim
