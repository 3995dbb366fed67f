#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "core/alarms/TextMessage.h"

using namespace rovik;

namespace {
struct Case {
    std::uint8_t type;
    float trigger;
    std::optional<float> value;
    bool active;
};

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

const Case kCases[] = {
    {TextMessage::kOver, 50, 50.01f, true},
    {TextMessage::kOver, 50, 50, false},
    {TextMessage::kUnder, 50, 49.99f, true},
    {TextMessage::kUnder, 50, 50, false},
    // No floor as the alarms have: nothing at all is under 1.
    {TextMessage::kUnder, 1, 0, true},
    {TextMessage::kEqual, 50, 49.1f, true},
    {TextMessage::kEqual, 50, 49.0f, false},
    {TextMessage::kEqual, 50, 50.9f, true},
    {TextMessage::kEqual, 50, 51.0f, false},
    {TextMessage::kBitMatch, 0, 0, true},
    {TextMessage::kBitZero, 0, 65535, true},
    {TextMessage::kBitMatch, 129, 129 + 64, true},
    {TextMessage::kBitMatch, 129, 128, false},
    {TextMessage::kBitZero, 6, 9.9f, true},
    {TextMessage::kBitZero, 6, 10, false},
    // Only the low 16 bits count, of the value and of the mask.
    {TextMessage::kBitMatch, 1, 65537, true},
    {TextMessage::kBitMatch, 65536 + 2, 2, true},
    // The whole number toward zero, and nothing set in a value beyond any whole number.
    {TextMessage::kBitMatch, 1, -1.5f, true},
    {TextMessage::kBitZero, 1, 1e20f, true},
    {TextMessage::kBitZero, 1, kNaN, true},
    {TextMessage::kOver, 50, kNaN, false},
    {5, 0, 0, false},
    // A parameter that left the table keeps its messages away.
    {TextMessage::kUnder, 50, std::nullopt, false},
};

class MessageConditions : public testing::TestWithParam<Case> {};
}  // namespace

TEST_P(MessageConditions, HoldAtTheirEdges) {
    const Case& c = GetParam();
    TextMessage message;
    message.triggerType = c.type;
    message.triggerValue = c.trigger;
    EXPECT_EQ(message.Check(c.value), c.active);
    EXPECT_EQ(message.IsActive(), c.active);
}

INSTANTIATE_TEST_SUITE_P(Values, MessageConditions, testing::ValuesIn(kCases));
