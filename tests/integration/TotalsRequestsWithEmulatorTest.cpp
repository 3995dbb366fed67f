#include <gtest/gtest.h>
#include <unistd.h>

#include <mutex>
#include <string>

#include "Waiting.h"
#include "core/TempFolder.h"
#include "core/WorkingFolder.h"
#include "core/app/CommandLine.h"
#include "core/app/Dashboard.h"
#include "core/app/SettingsFile.h"
#include "core/link/FrameSink.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;
using rovik::test::UniqueBlock;

namespace {
// Keeps what the box sends, for the test thread to look through.
class RecordingSink : public FrameSink {
public:
    bool Consume(const std::uint8_t* bytes, std::size_t count) override {
        std::lock_guard lock(mutex);
        received.append(reinterpret_cast<const char*>(bytes), count);
        return false;
    }
    bool Holds(const std::string& text) const {
        std::lock_guard lock(mutex);
        return received.find(text) != std::string::npos;
    }

private:
    mutable std::mutex mutex;
    std::string received;
};
}  // namespace

TEST(TotalsRequestsWithEmulator, AUsbBoxAnswersTheRequestsForFuelAndDistance) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    vxbsim::PtyEndpoint pty;
    ASSERT_TRUE(pty.IsOpen());
    vxbsim::Emulator box(vxbsim::BoxModel::Vx101, pty);
    box.Start();
    Settings saved;
    saved.portName = pty.DevicePath();
    saved.connectionType = ConnectionType::Vx101Usb;
    saved.transmitDelay = 1;
    saved.requestFuelmeter = true;
    saved.requestOdometer = true;
    ASSERT_TRUE(SettingsFile().Write(saved));

    // The sink outlives the dashboard and its threads.
    RecordingSink sink;
    Dashboard dashboard(UniqueBlock());
    dashboard.Start(CommandLine("rovik"));
    dashboard.Link()->SetFrameSink(&sink);
    auto answered = [&] {
        std::string heard = box.Received();
        return heard.find("TF900EA00E9FE00FFFFFFFFFF\n\r") != std::string::npos &&
               heard.find("TF900EA00E0FE00FFFFFFFFFF\n\r") != std::string::npos &&
               sink.Holds("R0000FEE0");
    };
    // Vehicle distance is only ever sent when asked for.
    for (int tick = 0; tick < 300 && !answered(); ++tick) {
        dashboard.Tick();
        ::usleep(10000);
    }
    EXPECT_TRUE(answered());
    dashboard.Shutdown();
    box.Stop();
}
