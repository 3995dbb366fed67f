#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/alarms/AlarmTable.h"
#include "support/FakeSoundPlayer.h"

// Alarms and a table to run them, shared by the alarm and alarm table tests.
namespace rovik::test {
inline Alarm MakeAlarm(std::uint8_t direction, std::uint8_t mode,
                       const std::string& file = "a.wav") {
    Alarm alarm;
    alarm.direction = direction;
    alarm.repeatMode = mode;
    alarm.triggerValue = 70.0f;
    alarm.soundFile = file;
    return alarm;
}

// The reading of each pass, against a trigger value of 70: 'H' 80, 'L' 60, 'E' 70 itself,
// 'T' 0.05 (a tenth and below is no reading), 'Z' 0, '-' a parameter that left the table.
inline std::optional<float> Reading(char code) {
    static const std::map<char, float> kValues = {
        {'H', 80.0f}, {'L', 60.0f}, {'E', 70.0f}, {'T', 0.05f}, {'Z', 0.0f}};
    const auto found = kValues.find(code);
    return found == kValues.end() ? std::nullopt : std::optional(found->second);
}

// Runs the alarms over one pass a reading.
struct Passes {
    explicit Passes(std::vector<Alarm> list) {
        table.Alarms().assign(list.begin(), list.end());
        table.Resume();
    }
    // 'S' where a pass started a sound; busy holds 'b' where another sound still plays then.
    std::string Run(const std::string& readings, const std::string& busy = "") {
        std::string sounds;
        for (std::size_t i = 0; i < readings.size(); ++i) {
            player.passesLeft += i < busy.size() && busy[i] == 'b';
            const std::size_t before = player.started.size();
            table.Pass([&](unsigned) { return Reading(readings[i]); }, player);
            sounds += player.started.size() > before ? 'S' : '.';
            player.PassEnded();
        }
        return sounds;
    }

    AlarmTable table{"unused"};
    test::FakeSoundPlayer player;
};
}  // namespace rovik::test
