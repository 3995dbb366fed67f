#pragma once

#include <functional>
#include <optional>

namespace rovik {

class ParameterTable;
class ValueLookup;

// The value of the parameter with a PID, as its gauges show it, in single precision; none
// when the parameter table has no parameter with that PID. Alarms and messages watching a
// parameter that has left the table stay quiet rather than watch another one.
using ParameterValue = std::function<std::optional<float>(unsigned pid)>;

// Reads the table and the values at each call, so edits and reloads of the table count at once.
ParameterValue ValuesOf(const ParameterTable& parameters, const ValueLookup& values);

}  // namespace rovik
