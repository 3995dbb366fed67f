#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/values/Pids.h"

namespace rovik {

class ByteReader;
class ByteWriter;

// A sound played when a parameter's value goes over or under a trigger value: once a
// crossing, every 15 seconds, every minute, or as often as the player allows while the
// condition lasts. Checked once a second; each check decides from the value alone.
class Alarm {
public:
    enum Direction : std::uint8_t { kOver = 0, kUnder = 1 };
    enum RepeatMode : std::uint8_t {
        kOnceOnly = 0,
        kEvery15Seconds = 1,
        kEveryMinute = 2,
        kRepeatContinuously = 3,
    };

    // Reads the record after its marker; false, with nothing taken, when the bytes end
    // inside it.
    bool Read(ByteReader& reader);
    // Writes the record after its marker, with at most 255 characters of the file name.
    void Write(ByteWriter& writer) const;

    // One check with the parameter's value now, or none when the parameter table has no
    // parameter with the PID: then the condition does not hold.
    void Check(std::optional<float> value);
    // The condition held at the last check.
    bool IsActive() const { return active; }
    // The sound is due and waits for the player.
    bool PlayRequested() const { return playRequest; }
    void ClearPlayRequest() { playRequest = false; }

    bool operator==(const Alarm&) const = default;

    std::string soundFile = "ahooga.wav";
    std::uint16_t pid = pid::kRoadSpeed;
    // A Direction; the file may hold another value, which never triggers.
    std::uint8_t direction = kOver;
    float triggerValue = 70.0f;
    // A RepeatMode; the file may hold another value, which sounds only at the crossing.
    std::uint8_t repeatMode = kEvery15Seconds;

private:
    // Below this a value counts as no reading at all.
    static constexpr float kNoReading = 0.1f;

    bool Condition(std::optional<float> value) const;
    void Repeat(std::uint16_t checksBetween);

    bool active = false;
    std::uint16_t repeatCounter = 0;
    bool playRequest = false;
};

}  // namespace rovik
