#pragma once

#include <cstdint>
#include <string>

namespace rovik {

class ByteReader;
class ByteWriter;
class ValueLookup;

// One displayable value: the user's name, unit, print format, gauge scale, warning lines
// and correction for a PID. It holds no live value; Value() reads the link's store.
class Parameter {
public:
    Parameter() = default;

    // Reads one record at the reader's position, in either record format. Fields the file
    // does not hold keep their defaults; false when the file ended inside the record.
    bool Read(ByteReader& reader);
    // Writes one record in the current format.
    void Write(ByteWriter& writer) const;
    // (live value + offset) x multiplier.
    double Value(const ValueLookup& values) const;

    std::string name = "ROAD SPEED";
    std::string abbreviation = "SPEED";
    std::string unit = "MPH";
    std::string format = "%.1f";
    std::uint16_t pid = 84;
    float gaugeMinimum = 0.0f;
    float gaugeMaximum = 90.0f;
    float lowYellowLine = -1.0f;
    float lowRedLine = -1.0f;
    float highYellowLine = 55.0f;
    float highRedLine = 70.0f;
    float offset = 0.0f;
    float multiplier = 1.0f;
};

}  // namespace rovik
