#include "core/params/Parameter.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/link/ValueLookup.h"

namespace rovik {

namespace {
constexpr char kCurrentFormatMarker = '|';
// In the PID field this byte says that a page-two PID (256 + next byte) follows.
constexpr std::uint8_t kPageTwoEscape = 0xFF;
constexpr const char* kDefaultFormat = "%.1f";

bool ReadPid(ByteReader& reader, std::uint16_t& pid) {
    std::uint8_t first = 0;
    if (!reader.ReadU8(first)) {
        return false;
    }
    if (first != kPageTwoEscape) {
        pid = first;
        return true;
    }
    std::uint8_t second = 0;
    if (!reader.ReadU8(second)) {
        return false;
    }
    pid = static_cast<std::uint16_t>(256 + second);
    return true;
}

void WritePid(ByteWriter& writer, std::uint16_t pid) {
    // PID 255 would read back as the escape; it is written as page two so the rest of the
    // file stays readable.
    if (pid < kPageTwoEscape) {
        writer.WriteU8(static_cast<std::uint8_t>(pid));
        return;
    }
    writer.WriteU8(kPageTwoEscape);
    writer.WriteU8(static_cast<std::uint8_t>(pid));
}
}  // namespace

bool Parameter::Read(ByteReader& reader) {
    std::string readName;
    if (!reader.ReadCString(readName)) {
        return false;
    }
    bool currentFormat = !readName.empty() && readName.front() == kCurrentFormatMarker;
    name = currentFormat ? readName.substr(1) : readName;
    bool complete = reader.ReadCString(abbreviation) && reader.ReadCString(unit) &&
                    ReadPid(reader, pid) && reader.ReadFloat(gaugeMinimum) &&
                    reader.ReadFloat(gaugeMaximum) && reader.ReadFloat(lowYellowLine) &&
                    reader.ReadFloat(lowRedLine) && reader.ReadFloat(highYellowLine) &&
                    reader.ReadFloat(highRedLine);
    if (complete && currentFormat) {
        complete =
            reader.ReadCString(format) && reader.ReadFloat(offset) && reader.ReadFloat(multiplier);
    }
    if (format.find('%') == std::string::npos) {
        format = kDefaultFormat;
    }
    return complete;
}

void Parameter::Write(ByteWriter& writer) const {
    writer.WriteCString(kCurrentFormatMarker + name);
    writer.WriteCString(abbreviation);
    writer.WriteCString(unit);
    WritePid(writer, pid);
    for (float field :
         {gaugeMinimum, gaugeMaximum, lowYellowLine, lowRedLine, highYellowLine, highRedLine}) {
        writer.WriteFloat(field);
    }
    writer.WriteCString(format);
    writer.WriteFloat(offset);
    writer.WriteFloat(multiplier);
}

double Parameter::Value(const ValueLookup& values) const {
    return (values.GetValue(pid) + static_cast<double>(offset)) * static_cast<double>(multiplier);
}

}  // namespace rovik
