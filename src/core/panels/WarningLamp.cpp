#include "core/panels/WarningLamp.h"

#include "core/params/Parameter.h"

namespace rovik {

ColorRef WarningLamp::Color(double value, const Parameter& parameter) {
    if (value < parameter.lowRedLine) {
        return kRed;
    }
    if (value < parameter.lowYellowLine) {
        return kYellow;
    }
    if (value < parameter.highYellowLine) {
        return kGaugeGreen;
    }
    if (value < parameter.highRedLine) {
        return kYellow;
    }
    return kRed;
}

}  // namespace rovik
