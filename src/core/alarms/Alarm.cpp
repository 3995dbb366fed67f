#include "core/alarms/Alarm.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

namespace rovik {

namespace {
// Checks counted while the condition lasts before the sound is due again, at one a second.
constexpr std::uint16_t kChecksIn15Seconds = 14;
constexpr std::uint16_t kChecksInAMinute = 59;
}  // namespace

bool Alarm::Read(ByteReader& reader) {
    Alarm read;
    if (!reader.ReadU16(read.pid) || !reader.ReadU8(read.direction) ||
        !reader.ReadU8(read.repeatMode) || !reader.ReadFloat(read.triggerValue) ||
        !reader.ReadShortString(read.soundFile)) {
        return false;
    }
    *this = read;
    return true;
}

void Alarm::Write(ByteWriter& writer) const {
    writer.WriteU16(pid);
    writer.WriteU8(direction);
    writer.WriteU8(repeatMode);
    writer.WriteFloat(triggerValue);
    writer.WriteShortString(soundFile);
}

bool Alarm::Condition(std::optional<float> value) const {
    if (!value || *value < kNoReading) {
        return false;
    }
    switch (direction) {
        case kOver:
            return *value > triggerValue;
        case kUnder:
            return *value < triggerValue;
        default:
            return false;
    }
}

void Alarm::Check(std::optional<float> value) {
    const bool holds = Condition(value);
    if (active && !holds) {
        active = false;
        // Only a continuous alarm withdraws a sound it could not play yet.
        if (repeatMode == kRepeatContinuously) {
            playRequest = false;
        }
    } else if (!active && holds) {
        playRequest = true;
        repeatCounter = 0;
        active = true;
    } else if (active) {
        switch (repeatMode) {
            case kEvery15Seconds:
                Repeat(kChecksIn15Seconds);
                break;
            case kEveryMinute:
                Repeat(kChecksInAMinute);
                break;
            case kRepeatContinuously:
                playRequest = true;
                break;
            default:
                break;
        }
    }
}

void Alarm::Repeat(std::uint16_t checksBetween) {
    ++repeatCounter;
    if (repeatCounter > checksBetween) {
        playRequest = true;
        repeatCounter = 0;
    }
}

}  // namespace rovik
