#include <gtest/gtest.h>

#include "Decode.h"
#include "MemoryEndpoint.h"
#include "vxbsim/Emulator.h"

using namespace vxbsim;

namespace {
// With a 100 ms period a second is ten ticks: vehicle messages every tick, the slower ones on
// the first tick of each second, statistics on the last.
constexpr int kTicksPerSecond = 10;

std::vector<std::string> LinesAfter(Emulator& box, MemoryEndpoint& pc, int ticks) {
    pc.fromBox.clear();
    for (int i = 0; i < ticks; ++i) {
        box.Tick();
    }
    return decode::Lines(pc.fromBox);
}

std::vector<std::string> Starting(const std::vector<std::string>& lines, const std::string& start) {
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.rfind(start, 0) == 0) {
            found.push_back(line);
        }
    }
    return found;
}

std::vector<std::string> VehicleLines(const std::vector<std::string>& lines) {
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if ((line[0] == 'J' && line[1] != 'S') || line[0] == 'R') {
            found.push_back(line);
        }
    }
    return found;
}

struct RegisterReply {
    unsigned address;
    unsigned value;
    bool operator==(const RegisterReply&) const = default;
};

std::vector<RegisterReply> Replies(const std::vector<std::string>& lines) {
    std::vector<RegisterReply> replies;
    for (const std::string& line : Starting(lines, "!R")) {
        EXPECT_EQ(line.at(9), 'F');
        replies.push_back({decode::HighFirst(line, 14), decode::ByteAt(line, 18)});
    }
    return replies;
}
}  // namespace

TEST(Emulator, AnswersReadsAndWritesOfTheFuelMeterRegister) {
    MemoryEndpoint pc;
    Emulator box(BoxModel::Vx101, pc);
    pc.toBox = "R0001\n\rR0006\n\r";
    EXPECT_EQ(Replies(LinesAfter(box, pc, 1)), (std::vector<RegisterReply>{{1, 0}, {6, 10}}));
    pc.toBox = "M000101\n\r";
    EXPECT_EQ(Replies(LinesAfter(box, pc, 1)), (std::vector<RegisterReply>{{1, 1}}));
    pc.toBox = "R0001\n\rR0800\n\r";  // 2048 is past the last register
    EXPECT_EQ(Replies(LinesAfter(box, pc, 1)), (std::vector<RegisterReply>{{1, 1}}));
    pc.toBox = "V";
    EXPECT_EQ(Starting(LinesAfter(box, pc, 1), "V").size(), 1u);
}

// Each model keeps the J1708 messages the program gave it and counts the fuel meter resets;
// only the text boxes answer the two queries, "?" with a "JS" line and "Z" with an "I" line.
TEST(Emulator, AnswersQueriesAndKeepsWhatTheProgramTransmits) {
    for (BoxModel model : {BoxModel::Vx100, BoxModel::Vx101}) {
        MemoryEndpoint pc;
        Emulator box(model, pc);
        const std::string good = std::string("SEND\x03\x80\x54\x6E\x42", 9);
        const std::string wrongSum = std::string("SEND\x01\xB6\x00", 7);
        pc.toBox = "?Z" + good + wrongSum + "SB6FE00\r\nO";
        auto lines = LinesAfter(box, pc, 1);
        const std::size_t answers = model == BoxModel::Vx100 ? 0 : 1;
        EXPECT_EQ(Starting(lines, "JS").size(), answers);
        EXPECT_EQ(Starting(lines, "I").size(), answers);
        EXPECT_EQ(box.J1708Sent(), (std::vector<Message>{{0x80, 0x54, 0x6E}, {0xB6, 0xFE, 0x00}}));
        EXPECT_EQ(box.FuelMeterZeroings(), 1);
    }
}

TEST(Emulator, SerialBoxKeepsItsBinaryStreamCleanOfTextReplies) {
    MemoryEndpoint pc;
    Emulator box(BoxModel::Vx100, pc);
    pc.toBox = "VR0001\n\rM000101\n\r";
    pc.fromBox.clear();
    box.Tick();
    for (const decode::Bytes& frame : decode::BinaryFrames(pc.fromBox)) {
        EXPECT_TRUE(frame[0] == 128 || frame[0] == 130 || frame[0] == 136) << int(frame[0]);
        EXPECT_EQ(decode::Sum(frame), 0);
        EXPECT_LE(frame.size(), 21u);
    }
}

TEST(Emulator, TextStatisticsCountWhatTheBoxSent) {
    MemoryEndpoint pc;
    Emulator box(BoxModel::Vx150, pc);
    unsigned messages = 0, bytes = 0, j1939 = 0;
    for (int second = 0; second < 3; ++second) {
        auto lines = LinesAfter(box, pc, kTicksPerSecond);
        for (const std::string& line : VehicleLines(lines)) {
            EXPECT_TRUE(decode::IsUpperHex(line.substr(1))) << line;
            if (line[0] == 'J') {
                ++messages;
                bytes += static_cast<unsigned>(line.size() - 1) / 2;
            } else {
                EXPECT_LE(line.size(), 25u);
                ++j1939;
            }
        }
        auto js = Starting(lines, "JS");
        auto i = Starting(lines, "I");
        ASSERT_EQ(js.size(), 1u);
        ASSERT_EQ(i.size(), 1u);
        EXPECT_EQ(decode::ByteAt(js[0], 7), 12u);
        EXPECT_EQ(decode::HighFirst(js[0], 10), bytes & 0xFFFF);
        EXPECT_EQ(decode::HighFirst(js[0], 20), messages & 0xFFFF);
        EXPECT_EQ(decode::HighFirst(js[0], 25), 0u);
        EXPECT_EQ(decode::LowFirst(i[0], 1), j1939 & 0xFFFF);
    }
    EXPECT_GT(messages, 30u);
    EXPECT_GT(j1939, 60u);
    pc.toBox = "G0D\n\r";
    auto js = Starting(LinesAfter(box, pc, kTicksPerSecond), "JS");
    EXPECT_EQ(decode::ByteAt(js.at(0), 7), 0x0Du) << "the new bit gap";
}

TEST(Emulator, SerialStatisticsFrameCountsTheFramesSent) {
    MemoryEndpoint pc;
    Emulator box(BoxModel::Vx100, pc);
    for (int i = 0; i < kTicksPerSecond; ++i) {
        box.Tick();
    }
    auto frames = decode::BinaryFrames(pc.fromBox);
    ASSERT_EQ(frames.back()[0], 196);
    EXPECT_EQ(decode::LittleEndian(frames.back(), 1, 4), frames.size() - 1.0);
    EXPECT_EQ(frames.back()[9], 0);
    for (const decode::Bytes& frame : frames) {
        EXPECT_EQ(decode::Sum(frame), 0);
        EXPECT_LE(frame.size(), 21u);
    }
}

TEST(Emulator, ControllerSetToSendItsFastItemsLessOftenSkipsPeriods) {
    MemoryEndpoint pc;
    Emulator box(BoxModel::Vx100, pc);
    box.SetFastEvery(136, 2);
    for (int i = 0; i < kTicksPerSecond; ++i) {
        box.Tick();
    }
    auto frames = decode::BinaryFrames(pc.fromBox);
    int engine = 0, brakes = 0;
    for (const decode::Bytes& frame : frames) {
        engine += frame[0] == 128 && frame[1] == 84;
        brakes += frame[0] == 136 && frame[1] == 116;
    }
    EXPECT_EQ(engine, kTicksPerSecond);
    EXPECT_EQ(brakes, kTicksPerSecond / 2);
    EXPECT_EQ(decode::LittleEndian(frames.back(), 1, 4), frames.size() - 1.0)
        << "the statistics count only what was sent";
}

TEST(Emulator, SilentVehicleStopsVehicleMessagesButNotStatistics) {
    MemoryEndpoint pc;
    Emulator box(BoxModel::Vx101, pc);
    LinesAfter(box, pc, kTicksPerSecond);
    box.SetVehicleSilent(true);
    auto lines = LinesAfter(box, pc, 2 * kTicksPerSecond);
    EXPECT_TRUE(VehicleLines(lines).empty());
    auto js = Starting(lines, "JS");
    auto i = Starting(lines, "I");
    ASSERT_EQ(js.size(), 2u);
    ASSERT_EQ(i.size(), 2u);
    EXPECT_GT(decode::HighFirst(js[0], 20), 0u);
    EXPECT_EQ(decode::HighFirst(js[1], 20), decode::HighFirst(js[0], 20));
    EXPECT_EQ(decode::LowFirst(i[1], 1), decode::LowFirst(i[0], 1));
    pc.toBox = "R0001\n\r";
    EXPECT_EQ(Starting(LinesAfter(box, pc, 1), "!R").size(), 1u) << "the box still answers";
    box.SetVehicleSilent(false);
    EXPECT_FALSE(VehicleLines(LinesAfter(box, pc, 1)).empty());
}

TEST(Emulator, SilentVehicleOnTheSerialBoxLeavesOnlyFlaggedStatisticsFrames) {
    MemoryEndpoint pc;
    Emulator box(BoxModel::Vx100, pc);
    box.SetVehicleSilent(true);
    for (int i = 0; i < 2 * kTicksPerSecond; ++i) {
        box.Tick();
    }
    auto frames = decode::BinaryFrames(pc.fromBox);
    ASSERT_EQ(frames.size(), 2u);
    for (const decode::Bytes& frame : frames) {
        EXPECT_EQ(frame[0], 196);
        EXPECT_EQ(frame[9], 1);
        EXPECT_EQ(decode::LittleEndian(frame, 1, 4), 0.0);
    }
}

TEST(Emulator, FaultsGoOutOnBothLinksAndClear) {
    MemoryEndpoint pc;
    Emulator box(BoxModel::Vx101, pc);
    ASSERT_TRUE(box.RaiseFault(J1587Fault{.mid = 128, .code = 110, .fmi = 0, .occurrences = 1}));
    for (unsigned spn : {110u, 100u, 190u}) {
        ASSERT_TRUE(
            box.RaiseFault(J1939Fault{.source = 0, .spn = spn, .fmi = 1, .occurrences = 2}));
    }
    auto lines = LinesAfter(box, pc, 1);
    bool j1587Fault = false;
    for (const std::string& line : Starting(lines, "J80")) {
        for (const auto& [pid, data] : decode::Items(decode::JLineBytes(line))) {
            j1587Fault |= pid == 194 && data == decode::Bytes({110, 0xA0, 1});
        }
    }
    EXPECT_TRUE(j1587Fault);
    auto announce = Starting(lines, "R0000ECFF");
    ASSERT_EQ(announce.size(), 1u);
    EXPECT_EQ(decode::RLine(announce[0]).data[3], 2);
    auto packets = Starting(lines, "R0000EBFF");
    ASSERT_EQ(packets.size(), 2u);
    decode::Bytes payload;
    for (const std::string& packet : packets) {
        auto data = decode::RLine(packet).data;
        payload.insert(payload.end(), data.begin() + 1, data.end());
    }
    EXPECT_EQ(payload[2], 110);
    EXPECT_EQ(payload[6], 100);
    EXPECT_EQ(payload[10], 190);
    EXPECT_EQ(payload[12], 1);  // FMI
    EXPECT_EQ(payload[13], 2);  // occurrences

    EXPECT_TRUE(box.ClearJ1939Fault(0, 100, 1));
    EXPECT_TRUE(box.ClearJ1939Fault(0, 190, 1));
    lines = LinesAfter(box, pc, kTicksPerSecond);
    EXPECT_TRUE(Starting(lines, "R0000ECFF").empty());
    auto single = Starting(lines, "R0000FECA");
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(decode::RLine(single[0]).data[2], 110);
    box.ClearFaults();
    single = Starting(LinesAfter(box, pc, kTicksPerSecond), "R0000FECA");
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(decode::RLine(single[0]).data[2], 0) << "no fault left";
}

TEST(Emulator, RefusesFaultsThatAreNoValidCode) {
    MemoryEndpoint pc;
    Emulator box(BoxModel::Vx101, pc);
    EXPECT_FALSE(box.RaiseFault(J1587Fault{.fmi = 16}));
    EXPECT_FALSE(box.RaiseFault(J1939Fault{.spn = 0x80000}));
    EXPECT_FALSE(box.RaiseFault(J1939Fault{.occurrences = 127}));
    EXPECT_FALSE(box.ClearJ1939Fault(0, 110, 1));
}

TEST(Emulator, AnswersAJ1939RequestForTotalFuel) {
    MemoryEndpoint pc;
    Emulator box(BoxModel::Vx101, pc);
    box.Tick();
    pc.toBox = "TF900EA00E9FE00FFFFFFFFFF\n\r";
    auto fuel = Starting(LinesAfter(box, pc, 1), "R0000FEE9");
    EXPECT_EQ(fuel.size(), 1u);
    pc.toBox = "TF900EA03E9FE00FFFFFFFFFF\n\r";  // asks the transmission, which has no such group
    EXPECT_TRUE(Starting(LinesAfter(box, pc, 1), "R0000FEE9").empty());
}

TEST(Emulator, ScriptedBoxSendsOnlyWhatItIsFed) {
    MemoryEndpoint pc;
    Emulator box(BoxModel::Vx101, pc);
    box.SetScripted(true);
    pc.toBox = "VR0001\n\r";
    box.Send("J80546EBE\r\n");
    for (int i = 0; i < 2 * kTicksPerSecond; ++i) {
        box.Tick();
    }
    box.Send("I000000000000\r\n");
    EXPECT_EQ(pc.fromBox, "J80546EBE\r\nI000000000000\r\n");
    EXPECT_EQ(box.Received(), "VR0001\n\r");
    box.SetSilent(true);
    box.Send("lost");
    EXPECT_EQ(pc.fromBox, "J80546EBE\r\nI000000000000\r\n");
}
