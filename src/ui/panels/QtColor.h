#pragma once

#include <QColor>

#include "core/panels/ColorRef.h"

namespace rovik {

inline QColor ToQColor(ColorRef color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

inline ColorRef ToColorRef(const QColor& color) {
    return Rgb(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
               static_cast<std::uint8_t>(color.blue()));
}

}  // namespace rovik
