#pragma once

#include <string>

#include "support/FramedLink.h"
#include "vxbsim/Emulator.h"

namespace vxbsim::test {

// A box ticked by the test, ten ticks a second, and the program's side of its connection:
// what the program sends next, and every byte the box writes, read as it arrives through
// the program's own framing and decoders.
struct TickedBox : Endpoint {
    static constexpr int kTicksPerSecond = 10;

    explicit TickedBox(BoxModel model)
        : read(model == BoxModel::Vx100   ? rovik::ConnectionType::Vx100Serial
               : model == BoxModel::Vx101 ? rovik::ConnectionType::Vx101Usb
                                          : rovik::ConnectionType::Vx150Wifi),
          box(model, *this) {}

    std::string ReadAvailable() override {
        std::string got;
        got.swap(toBox);
        return got;
    }
    void Write(const std::string& bytes) override {
        fromBox += bytes;
        read.Feed(bytes);
    }
    // Ticks, then hands on the binary frame that waits for the next one to begin.
    void Run(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            box.Tick();
        }
        read.Flush();
    }

    rovik::test::FramedLink read;
    std::string toBox;
    std::string fromBox;
    Emulator box;
};

}  // namespace vxbsim::test
