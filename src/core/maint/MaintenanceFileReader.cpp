#include "core/maint/MaintenanceFileReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/maint/MaintenanceFile.h"

namespace rovik {

namespace {
constexpr std::uint8_t kLastControlByte = 15;

// The text before the separator less one trailing space, and the text after it less one
// leading space; none after a line without the separator.
struct KeyValue {
    std::string key;
    std::optional<std::string> value;

    KeyValue(const std::string& line, char separator) {
        const std::size_t at = line.find(separator);
        key = line.substr(0, at);
        if (!key.empty() && key.back() == ' ') {
            key.pop_back();
        }
        if (at != std::string::npos) {
            value = line.substr(at + 1);
            if (!value->empty() && value->front() == ' ') {
                value->erase(0, 1);
            }
        }
    }
};

// The number the text begins with, after any spaces.
template <typename Number>
std::optional<Number> Leading(const std::optional<std::string>& text) {
    if (!text) {
        return std::nullopt;
    }
    const std::size_t start = std::min(text->find_first_not_of(' '), text->size());
    Number number{};
    const auto [end, error] =
        std::from_chars(text->data() + start, text->data() + text->size(), number);
    if (error != std::errc()) {
        return std::nullopt;
    }
    return number;
}

std::optional<double> Miles(const std::optional<std::string>& text) {
    std::optional<double> miles = Leading<double>(text);
    if (!miles || !std::isfinite(*miles)) {
        return std::nullopt;
    }
    return miles;
}

std::size_t Count(const std::optional<std::string>& text) {
    const std::optional<long long> count = Leading<long long>(text);
    return count && *count > 0 ? static_cast<std::size_t>(*count) : 0;
}

// The text between from and the next separator, and from moves past that separator.
std::optional<std::string> Piece(const std::string& text, std::size_t& from, char separator) {
    const std::size_t at = text.find(separator, from);
    if (at == std::string::npos) {
        return std::nullopt;
    }
    std::string piece = text.substr(from, at - from);
    from = at + 1;
    return piece;
}
}  // namespace

std::optional<Moment> MaintenanceFileReader::ParseDate(const std::string& value) {
    const std::string text = value.find(':') == std::string::npos ? value + " 12:00PM" : value;
    std::size_t from = 0;
    const std::optional<int> month = Leading<int>(Piece(text, from, '/'));
    const std::optional<int> day = Leading<int>(Piece(text, from, '/'));
    const std::optional<int> year = Leading<int>(Piece(text, from, ' '));
    std::optional<int> hour = Leading<int>(Piece(text, from, ':'));
    const std::optional<int> minute = Leading<int>(text.substr(std::min(from, text.size()), 2));
    if (!month || !day || !year || !hour || !minute) {
        return std::nullopt;
    }
    // A twelve-hour clock: 12 AM is midnight and 12 PM noon.
    if (*hour == 12) {
        *hour = 0;
    }
    if (text.find("PM", from) != std::string::npos) {
        *hour += 12;
    }
    return LocalDate::ToMoment({*year, *month, *day, *hour, *minute});
}

std::optional<MaintenanceSchedule> MaintenanceFileReader::Read() {
    if (NextLine() != MaintenanceFile::kFirstLine) {
        return std::nullopt;
    }
    NextLine();
    const std::size_t itemCount = Count(NextValue('='));
    const std::size_t recordCount = Count(NextValue('='));
    NextLine();
    MaintenanceSchedule schedule;
    for (std::size_t i = 0; i < itemCount && !AtEnd(); ++i) {
        schedule.items.push_back(NextItem());
    }
    for (std::size_t i = 0; i < recordCount && !AtEnd(); ++i) {
        schedule.history.push_back(NextRecord());
    }
    return schedule;
}

std::string MaintenanceFileReader::NextLine() {
    std::string line;
    while (!AtEnd()) {
        const std::uint8_t byte = bytes[position++];
        if (byte == '\n') {
            break;
        }
        if (byte > kLastControlByte) {
            line.push_back(static_cast<char>(byte));
        }
    }
    return line;
}

std::optional<std::string> MaintenanceFileReader::NextValue(char separator) {
    return KeyValue(NextLine(), separator).value;
}

std::vector<std::string> MaintenanceFileReader::NextServiceItems() {
    const std::size_t count = Count(NextValue());
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count && !AtEnd(); ++i) {
        lines.push_back(NextLine());
    }
    return lines;
}

int MaintenanceFileReader::IntervalDays(const std::string& monthLine, int days) {
    const std::optional<int> months = Leading<int>(KeyValue(monthLine, ':').value);
    return months && *months >= 0 && *months <= MaintenanceItem::kMostMonths
               ? *months * MaintenanceItem::kDaysPerMonth
               : days;
}

MaintenanceItem MaintenanceFileReader::NextItem() {
    MaintenanceItem item(now, distance);
    item.name = NextValue().value_or(item.name);
    item.serviceItems = NextServiceItems();
    std::string monthLine = NextLine();
    const KeyValue timeOnly(monthLine, ':');
    // Older files have no time-only flag and note: the month line comes straight after
    // the service items.
    if (timeOnly.key.starts_with("TimeOnly")) {
        item.timeOnly = Leading<long long>(timeOnly.value).value_or(0) != 0;
        item.note = NextLine();
        monthLine = NextLine();
    }
    item.intervalDays = IntervalDays(monthLine, item.intervalDays);
    item.mileageInterval = Miles(NextValue()).value_or(item.mileageInterval);
    const std::optional<Moment> dueTime = ParseDate(NextValue().value_or(""));
    const std::optional<double> dueMileage = Miles(NextValue());
    item.lastInstanceTime = ParseDate(NextValue().value_or("")).value_or(item.lastInstanceTime);
    item.lastInstanceMileage = Miles(NextValue()).value_or(item.lastInstanceMileage);
    const std::optional<long long> count = Leading<long long>(NextValue());
    if (count && *count >= 0 && *count <= std::numeric_limits<std::uint32_t>::max()) {
        item.instanceCount = static_cast<std::uint32_t>(*count);
    }
    NextLine();
    item.ComputeDue();
    item.dueTime = dueTime.value_or(item.dueTime);
    item.dueMileage = dueMileage.value_or(item.dueMileage);
    return item;
}

MaintenanceRecord MaintenanceFileReader::NextRecord() {
    MaintenanceRecord record;
    record.doneTime = now;
    record.name = NextValue().value_or(record.name);
    record.intervalDays = IntervalDays(NextLine(), record.intervalDays);
    record.mileageInterval = Miles(NextValue()).value_or(record.mileageInterval);
    record.doneTime = ParseDate(NextValue().value_or("")).value_or(record.doneTime);
    record.doneMileage = Miles(NextValue()).value_or(record.doneMileage);
    record.serviceItems = NextServiceItems();
    NextLine();
    return record;
}

}  // namespace rovik
