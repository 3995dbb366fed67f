#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/panels/ColorRef.h"
#include "core/values/Pids.h"

namespace rovik {

class ByteReader;
class ByteWriter;

// A line of text, on a colour of its own, that is active while a parameter's value is over,
// under or equal to a trigger value, or has all or none of the trigger's bits set. Checked
// once a second; each check decides from the value alone.
class TextMessage {
public:
    enum TriggerType : std::uint8_t {
        kOver = 0,
        kUnder = 1,
        kEqual = 2,
        kBitMatch = 3,
        kBitZero = 4,
    };

    // Reads the record after its marker; false, with nothing taken, when the bytes end
    // inside it.
    bool Read(ByteReader& reader);
    // Writes the record after its marker, with at most 255 characters of text.
    void Write(ByteWriter& writer) const;

    // One check with the parameter's value now, or none when the parameter table has no
    // parameter with the PID: then the message is not active. True when that changed
    // whether the message is active.
    bool Check(std::optional<float> value);
    bool IsActive() const { return active; }

    bool operator==(const TextMessage&) const = default;

    // Active while bits 7 and 0 of the cruise control's status are both set.
    std::uint16_t pid = pid::kCruiseStatus;
    // A TriggerType; the file may hold another value, which is never met.
    std::uint8_t triggerType = kBitMatch;
    float triggerValue = 129.0f;
    std::string text = "Cruise Active";
    // The line's background.
    ColorRef color = kGaugeGreen;

private:
    bool Condition(float value) const;

    bool active = false;
};

}  // namespace rovik
