#include "core/maint/MaintenanceFile.h"

#include <filesystem>
#include <system_error>

#include "core/io/AtomicFile.h"
#include "core/maint/MaintenanceFileReader.h"
#include "core/trip/TripText.h"

namespace rovik {

namespace {
// Writes the lines of the file, each ended by CR LF.
class LineWriter {
public:
    void Line(const std::string& text) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back('\r');
        bytes.push_back('\n');
    }
    template <typename Number>
    void Count(const char* key, Number count) {
        Line(key + std::to_string(count));
    }
    void Miles(const char* key, double miles) { Line(key + TripText::OneDecimal(miles)); }
    void Date(const char* key, Moment date) { Line(key + LocalDate::DateText(date)); }
    void ServiceItems(const std::vector<std::string>& lines) {
        Count("ServiceItems: ", lines.size());
        for (const std::string& line : lines) {
            Line(line);
        }
    }
    std::vector<std::uint8_t> Bytes() && { return std::move(bytes); }

private:
    std::vector<std::uint8_t> bytes;
};

void WriteItem(LineWriter& writer, const MaintenanceItem& item) {
    writer.Line("Name: " + item.name);
    writer.ServiceItems(item.serviceItems);
    writer.Line(item.timeOnly ? "TimeOnly: 1" : "TimeOnly: 0");
    writer.Line(item.note);
    writer.Count("MonthInterval: ", item.Months());
    writer.Miles("MileageInterval: ", item.mileageInterval);
    writer.Date("DueTime: ", item.dueTime);
    writer.Miles("DueMileage: ", item.dueMileage);
    writer.Date("LastInstanceTime: ", item.lastInstanceTime);
    writer.Miles("LastInstanceMileage: ", item.lastInstanceMileage);
    writer.Count("InstanceCount: ", item.instanceCount);
    writer.Line("");
}

void WriteRecord(LineWriter& writer, const MaintenanceRecord& record) {
    writer.Line("Name: " + record.name);
    writer.Count("TimeInterval: ", record.intervalDays / MaintenanceItem::kDaysPerMonth);
    writer.Miles("MileageInterval: ", record.mileageInterval);
    writer.Date("DoneTime: ", record.doneTime);
    writer.Miles("DoneMileage: ", record.doneMileage);
    writer.ServiceItems(record.serviceItems);
    writer.Line("");
}
}  // namespace

MaintenanceFile::Loaded MaintenanceFile::Load(const std::string& path, Moment now,
                                              double distance) {
    const std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    if (!bytes) {
        std::error_code error;
        const bool exists = std::filesystem::exists(path, error) || error;
        return {{}, exists ? Found::kOther : Found::kNothing};
    }
    std::optional<MaintenanceSchedule> schedule =
        MaintenanceFileReader(*bytes, now, distance).Read();
    if (!schedule) {
        return {{}, Found::kOther};
    }
    return {std::move(*schedule), Found::kSchedule};
}

bool MaintenanceFile::Save(const std::string& path, const MaintenanceSchedule& schedule) {
    return AtomicFile::Write(path, ToBytes(schedule));
}

std::vector<std::uint8_t> MaintenanceFile::ToBytes(const MaintenanceSchedule& schedule) {
    LineWriter writer;
    writer.Line(kFirstLine);
    writer.Line("");
    writer.Count("ItemCount = ", schedule.items.size());
    writer.Count("HistoryCount = ", schedule.history.size());
    writer.Line("");
    for (const MaintenanceItem& item : schedule.items) {
        WriteItem(writer, item);
    }
    for (const MaintenanceRecord& record : schedule.history) {
        WriteRecord(writer, record);
    }
    return std::move(writer).Bytes();
}

}  // namespace rovik
