#include "core/params/Parameter.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/io/PidBytes.h"
#include "core/values/ValueLookup.h"

namespace rovik {

namespace {
constexpr char kCurrentFormatMarker = '|';
constexpr const char* kDefaultFormat = "%.1f";
}  // namespace

bool Parameter::Read(ByteReader& reader) {
    std::string readName;
    if (!reader.ReadCString(readName)) {
        return false;
    }
    bool currentFormat = !readName.empty() && readName.front() == kCurrentFormatMarker;
    name = currentFormat ? readName.substr(1) : readName;
    bool complete = reader.ReadCString(abbreviation) && reader.ReadCString(unit) &&
                    PidBytes::Read(reader, pid) && reader.ReadFloat(gaugeMinimum) &&
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
    PidBytes::Write(writer, pid);
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
