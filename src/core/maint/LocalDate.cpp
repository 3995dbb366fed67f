#include "core/maint/LocalDate.h"

#include <cstdio>
#include <ctime>

#include "platform/LocalTime.h"

namespace rovik {

namespace {
std::tm ToTm(const LocalDate::Fields& fields) {
    std::tm local{};
    local.tm_year = fields.year - 1900;
    local.tm_mon = fields.month - 1;
    local.tm_mday = fields.day;
    local.tm_hour = fields.hour;
    local.tm_min = fields.minute;
    local.tm_sec = fields.second;
    local.tm_isdst = -1;
    return local;
}

std::optional<Moment> Make(std::tm local) {
    // A conversion that fails leaves the weekday alone; -1 alone could be a real moment.
    local.tm_wday = -1;
    const std::time_t made = std::mktime(&local);
    if (local.tm_wday < 0) {
        return std::nullopt;
    }
    // Straight to seconds: the system clock's own ticks would overflow after 2262.
    return Moment(std::chrono::seconds(made));
}

bool IsRealDate(const LocalDate::Fields& fields) {
    using namespace std::chrono;
    const year_month_day date{year(fields.year), month(static_cast<unsigned>(fields.month)),
                              day(static_cast<unsigned>(fields.day))};
    return fields.year >= LocalDate::kFirstYear && fields.year <= LocalDate::kLastYear &&
           date.ok() && fields.hour >= 0 && fields.hour < 24 && fields.minute >= 0 &&
           fields.minute < 60 && fields.second >= 0 && fields.second < 60;
}
}  // namespace

std::optional<Moment> LocalDate::ToMoment(const Fields& fields) {
    if (!IsRealDate(fields)) {
        return std::nullopt;
    }
    return Make(ToTm(fields));
}

LocalDate::Fields LocalDate::ToFields(Moment moment) {
    const std::tm local = LocalTime::Of(moment.time_since_epoch().count());
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

Moment LocalDate::Noon(Moment moment) {
    Fields fields = ToFields(moment);
    fields.hour = 12;
    fields.minute = 0;
    fields.second = 0;
    return Make(ToTm(fields)).value_or(moment);
}

Moment LocalDate::AddDays(Moment moment, int days) {
    std::tm local = ToTm(ToFields(moment));
    local.tm_mday += days;
    return Make(local).value_or(moment + std::chrono::days(days));
}

std::string LocalDate::DateText(Moment moment) {
    const Fields fields = ToFields(moment);
    char text[48];
    std::snprintf(text, sizeof text, "%.2d/%.2d/%.4d", fields.month, fields.day, fields.year);
    return text;
}

}  // namespace rovik
