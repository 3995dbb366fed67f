#pragma once

#include <sstream>
#include <string>

#include "core/params/Parameter.h"

// Every field of a parameter on one line, so that a test compares whole parameters:
// name|abbreviation|unit|format|pid|scale min..max|red yellow / yellow red|offset x multiplier
inline std::string Described(const rovik::Parameter& p) {
    std::ostringstream text;
    text << p.name << '|' << p.abbreviation << '|' << p.unit << '|' << p.format << '|' << p.pid
         << '|' << p.gaugeMinimum << ".." << p.gaugeMaximum << '|' << p.lowRedLine << ' '
         << p.lowYellowLine << " / " << p.highYellowLine << ' ' << p.highRedLine << '|' << p.offset
         << " x " << p.multiplier;
    return text.str();
}
