#include "core/trip/TripFile.h"

#include "core/io/AtomicFile.h"
#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

namespace rovik {

std::optional<Totals> TripFile::Read(const std::string& path) {
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    if (!bytes) {
        return std::nullopt;
    }
    Totals baseline;
    ByteReader reader(*bytes);
    if (!reader.ReadDouble(baseline.fuelUsed) || !reader.ReadDouble(baseline.engineHours) ||
        !reader.ReadDouble(baseline.distance)) {
        return std::nullopt;
    }
    return baseline;
}

bool TripFile::Write(const std::string& path, const Totals& baseline) {
    ByteWriter writer;
    writer.WriteDouble(baseline.fuelUsed);
    writer.WriteDouble(baseline.engineHours);
    writer.WriteDouble(baseline.distance);
    return AtomicFile::Write(path, writer.Bytes());
}

}  // namespace rovik
