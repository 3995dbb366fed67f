#include <gtest/gtest.h>

#include "PtyLink.h"
#include "core/link/LinkThreads.h"
#include "core/values/PreferredSourceTable.h"

using namespace rovik;

// Run under ThreadSanitizer in CI: the interface thread reads, resizes and reloads what the
// receive thread updates after every pass.
TEST(LinkThreads, DerivedValuesAreSharedSafelyWithTheReceiveThread) {
    PtyLink serial(ConnectionType::Vx100Serial);
    LiveValues& values = serial.parts.values;
    values.Store().StoreValue(kEngineSlot, 250, 500.0f);
    values.Store().StoreValue(kEngineSlot, 245, 4000.0f);
    values.Store().StoreValue(kEngineSlot, 184, 7.0f);
    values.Store().StoreValue(kEngineSlot, 110, 185.0f);
    LinkThreads threads(serial.link);
    threads.Start();
    for (int i = 0; i < 200; ++i) {
        threads.WakeReceiver();
        values.Store().StoreValue(kEngineSlot, 84, static_cast<float>(20 + i % 40));
        for (unsigned number : {9u, 10u, 11u, 12u, 501u, 502u, 503u, 508u, 509u, 510u}) {
            values.GetValue(number);
        }
        if (i % 50 == 0) {
            values.Derived().SetAverageWindow(10 + i);
            values.Derived().LoadEngineCurve("/dev/null");
        }
    }
    threads.Stop();
    EXPECT_FALSE(threads.IsRunning());
    EXPECT_EQ(values.GetValue(503), 185.0);
    EXPECT_GT(values.GetValue(9), 0.0);
}
