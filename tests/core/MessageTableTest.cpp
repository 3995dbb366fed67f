#include <gtest/gtest.h>

#include "core/alarms/MessageTable.h"

using namespace rovik;

TEST(MessageTable, CountsEachChangeOfWhatThePanelsShow) {
    MessageTable table("unused");
    table.AddFront(TextMessage()).triggerType = TextMessage::kOver;
    const std::uint64_t added = table.Changes();
    for (float value : {200.0f, 200.0f, -1.0f}) {
        table.Pass([value](unsigned) { return std::optional<float>(value); });
    }
    EXPECT_EQ(table.Changes(), added + 2);
    table.Remove(table.Messages().front());
    EXPECT_EQ(table.Changes(), added + 3);
}
