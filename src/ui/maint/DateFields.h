#pragma once

#include <QDate>
#include <QDateEdit>

#include "core/maint/LocalTime.h"

namespace rovik {

// The local date of a moment, and the moment a chosen date stands for: noon of that day,
// as a date read back from maintenance.rvk.
inline QDate ToQDate(Moment moment) {
    const LocalTime::Fields fields = LocalTime::ToFields(moment);
    return QDate(fields.year, fields.month, fields.day);
}

inline Moment NoonOf(const QDate& date, Moment otherwise) {
    return LocalTime::ToMoment({date.year(), date.month(), date.day()}).value_or(otherwise);
}

// A month/day/year date field with a calendar to pick from, limited to four-digit years.
inline QDateEdit* MakeDateEdit(Moment moment) {
    auto* edit = new QDateEdit(ToQDate(moment));
    edit->setDisplayFormat("MM/dd/yyyy");
    edit->setCalendarPopup(true);
    edit->setDateRange(QDate(LocalTime::kFirstYear, 1, 1), QDate(LocalTime::kLastYear, 12, 31));
    return edit;
}

}  // namespace rovik
