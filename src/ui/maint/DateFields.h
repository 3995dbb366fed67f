#pragma once

#include <QDate>
#include <QDateEdit>

#include "core/maint/LocalDate.h"

namespace rovik {

// The local date of a moment, and the moment a chosen date stands for: noon of that day,
// as a date read back from maintenance.rvk.
inline QDate ToQDate(Moment moment) {
    const LocalDate::Fields fields = LocalDate::ToFields(moment);
    return QDate(fields.year, fields.month, fields.day);
}

inline Moment NoonOf(const QDate& date, Moment otherwise) {
    return LocalDate::ToMoment({date.year(), date.month(), date.day()}).value_or(otherwise);
}

// A month/day/year date field with a calendar to pick from, limited to four-digit years.
inline QDateEdit* MakeDateEdit(Moment moment) {
    auto* edit = new QDateEdit(ToQDate(moment));
    edit->setDisplayFormat("MM/dd/yyyy");
    edit->setCalendarPopup(true);
    edit->setDateRange(QDate(LocalDate::kFirstYear, 1, 1), QDate(LocalDate::kLastYear, 12, 31));
    return edit;
}

}  // namespace rovik
