#pragma once

#include "core/panels/ColorRef.h"

namespace rovik {

class Parameter;

// The colour of a gauge's warning lamp. A value on a line takes the colour above the line.
struct WarningLamp {
    static ColorRef Color(double value, const Parameter& parameter);
};

}  // namespace rovik
