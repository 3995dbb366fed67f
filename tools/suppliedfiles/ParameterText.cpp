#include "ParameterText.h"

#include <algorithm>
#include <array>

#include "SourceFile.h"
#include "TextValues.h"
#include "core/panels/GaugeText.h"
#include "core/params/ParameterTable.h"

using rovik::Parameter;

namespace {
constexpr std::size_t kShortLine = 11;
constexpr std::size_t kLongLine = 13;
constexpr std::size_t kFirstNumber = 5;

struct NumberField {
    const char* name;
    float Parameter::*field;
};

// In the order of the line, from kFirstNumber on.
constexpr std::array<NumberField, 8> kNumbers = {{
    {"gauge minimum", &Parameter::gaugeMinimum},
    {"gauge maximum", &Parameter::gaugeMaximum},
    {"low red line", &Parameter::lowRedLine},
    {"low yellow line", &Parameter::lowYellowLine},
    {"high yellow line", &Parameter::highYellowLine},
    {"high red line", &Parameter::highRedLine},
    {"offset", &Parameter::offset},
    {"multiplier", &Parameter::multiplier},
}};
}  // namespace

std::vector<Parameter> ParameterText::Read(const SourceFile& file) {
    std::vector<Parameter> parameters;
    for (const SourceFile::Line& line : file.Lines()) {
        Parameter parameter = ReadLine(file, line.number, TextValues::Split(line.text, '|'));
        CheckUnique(file, line.number, parameters, parameter);
        parameters.push_back(parameter);
    }
    if (parameters.empty()) {
        file.Fail(0, "holds no parameter");
    }
    if (parameters.size() > rovik::ParameterTable::kMaxSaved) {
        file.Fail(0, "holds more parameters than the file's count byte can say (255)");
    }
    return parameters;
}

Parameter ParameterText::ReadLine(const SourceFile& file, int line,
                                  const std::vector<std::string>& fields) {
    if (fields.size() != kShortLine && fields.size() != kLongLine) {
        file.Fail(line,
                  "a parameter has 11 fields between '|' (13 with offset and multiplier), "
                  "not " +
                      std::to_string(fields.size()));
    }
    Parameter parameter;
    std::optional<std::uint16_t> pid = TextValues::Pid(fields[0]);
    if (!pid) {
        file.Fail(line, "\"" + fields[0] + "\" is no PID (0 to 511, but not 255)");
    }
    parameter.pid = *pid;
    parameter.name = fields[1];
    parameter.abbreviation = fields[2];
    parameter.unit = fields[3];
    parameter.format = fields[4];
    if (parameter.name.empty()) {
        file.Fail(line, "the name is empty");
    }
    if (!rovik::GaugeText::TakesOneDouble(parameter.format)) {
        file.Fail(line, "the format \"" + parameter.format +
                            "\" does not print one number (as \"%.1f\" does)");
    }
    ReadNumbers(file, line, fields, parameter);
    return parameter;
}

void ParameterText::ReadNumbers(const SourceFile& file, int line,
                                const std::vector<std::string>& fields, Parameter& parameter) {
    for (std::size_t i = kFirstNumber; i < fields.size(); ++i) {
        const NumberField& number = kNumbers[i - kFirstNumber];
        std::optional<double> value = TextValues::Number(fields[i]);
        if (!value) {
            file.Fail(line,
                      std::string("the ") + number.name + " \"" + fields[i] + "\" is no number");
        }
        parameter.*number.field = static_cast<float>(*value);
    }
    if (parameter.gaugeMaximum <= parameter.gaugeMinimum) {
        file.Fail(line, "the gauge maximum must lie above the gauge minimum");
    }
}

void ParameterText::CheckUnique(const SourceFile& file, int line,
                                const std::vector<Parameter>& before, const Parameter& parameter) {
    auto samePid = [&](const Parameter& other) { return other.pid == parameter.pid; };
    auto sameName = [&](const Parameter& other) { return other.name == parameter.name; };
    if (std::any_of(before.begin(), before.end(), samePid)) {
        file.Fail(line, "PID " + std::to_string(parameter.pid) + " is defined twice");
    }
    if (std::any_of(before.begin(), before.end(), sameName)) {
        file.Fail(line, "the name \"" + parameter.name + "\" is used twice");
    }
}
