#pragma once

#include <vector>

#include "core/params/Parameter.h"

class SourceFile;

// A parameter table kept as text, one parameter a line, its fields between '|':
//   pid | name | abbreviation | unit | format | gauge min | gauge max |
//   low red | low yellow | high yellow | high red [| offset | multiplier]
// Offset and multiplier may be left off (0 and 1).
class ParameterText {
public:
    // The file's parameters in order. Throws SourceError at the first line that is not one,
    // or that repeats a PID or a name, since look-ups would only ever find the first.
    static std::vector<rovik::Parameter> Read(const SourceFile& file);

private:
    static rovik::Parameter ReadLine(const SourceFile& file, int line,
                                     const std::vector<std::string>& fields);
    static void ReadNumbers(const SourceFile& file, int line,
                            const std::vector<std::string>& fields, rovik::Parameter& parameter);
    static void CheckUnique(const SourceFile& file, int line,
                            const std::vector<rovik::Parameter>& before,
                            const rovik::Parameter& parameter);
};
