#include "PanelOptions.h"

#include <sstream>

#include "SourceFile.h"
#include "TextValues.h"

namespace {
constexpr std::size_t kLongestFileName = 255;
}  // namespace

PanelOptions::PanelOptions(const std::vector<std::string>& words, const SourceFile& sourceFile,
                           int sourceLine)
    : file(sourceFile), line(sourceLine) {
    for (const std::string& word : words) {
        std::size_t equals = word.find('=');
        if (equals == std::string::npos || equals == 0) {
            file.Fail(line, "\"" + word + "\" is no option=value");
        }
        std::string key = word.substr(0, equals);
        if (!values.emplace(key, word.substr(equals + 1)).second) {
            file.Fail(line, "the option " + key + " is given twice");
        }
        taken[key] = false;
    }
}

const std::string* PanelOptions::Take(const std::string& key) {
    auto found = values.find(key);
    if (found == values.end()) {
        return nullptr;
    }
    taken[key] = true;
    return &found->second;
}

void PanelOptions::Fail(const std::string& key, const std::string& expected) const {
    file.Fail(line, key + "=" + values.at(key) + ": " + expected);
}

void PanelOptions::Flag(const std::string& key, bool& value) {
    if (const std::string* text = Take(key)) {
        std::optional<bool> flag = TextValues::YesNo(*text);
        if (!flag) {
            Fail(key, "yes or no");
        }
        value = *flag;
    }
}

void PanelOptions::Pid(const std::string& key, std::uint16_t& value) {
    if (const std::string* text = Take(key)) {
        std::optional<std::uint16_t> pid = TextValues::Pid(*text);
        if (!pid) {
            Fail(key, "a PID is 0 to 511, but not 255");
        }
        value = *pid;
    }
}

void PanelOptions::PidList(const std::string& key, std::size_t most,
                           std::vector<std::uint16_t>& value) {
    const std::string* text = Take(key);
    if (!text) {
        return;
    }
    std::vector<std::uint16_t> pids;
    for (const std::string& piece : TextValues::Split(*text, ',')) {
        std::optional<std::uint16_t> pid = TextValues::Pid(piece);
        if (!pid) {
            Fail(key, "PIDs (0 to 511, but not 255) separated by commas");
        }
        pids.push_back(*pid);
    }
    if (pids.size() > most) {
        Fail(key, "at most " + std::to_string(most) + " PIDs");
    }
    value = pids;
}

void PanelOptions::Whole(const std::string& key, long low, long high, std::uint32_t& value) {
    if (const std::string* text = Take(key)) {
        std::optional<long> number = TextValues::Whole(*text, low, high);
        if (!number) {
            Fail(key, "a whole number from " + std::to_string(low) + " to " + std::to_string(high));
        }
        value = static_cast<std::uint32_t>(*number);
    }
}

void PanelOptions::Number(const std::string& key, double low, double high, double& value) {
    if (const std::string* text = Take(key)) {
        std::optional<double> number = TextValues::Number(*text);
        if (!number || *number < low || *number > high) {
            std::ostringstream range;
            range << "a number from " << low << " to " << high;
            Fail(key, range.str());
        }
        value = *number;
    }
}

void PanelOptions::Alignment(const std::string& key, rovik::TextAlignment& value) {
    using rovik::TextAlignment;
    static const std::map<std::string, TextAlignment> kNames = {{"left", TextAlignment::Left},
                                                                {"centre", TextAlignment::Centre},
                                                                {"right", TextAlignment::Right}};
    if (const std::string* text = Take(key)) {
        auto found = kNames.find(*text);
        if (found == kNames.end()) {
            Fail(key, "left, centre or right");
        }
        value = found->second;
    }
}

void PanelOptions::RequiredFileName(const std::string& key, std::string& value) {
    const std::string* text = Take(key);
    if (!text) {
        file.Fail(line, key + "=NAME is needed");
    }
    if (text->empty() || text->size() > kLongestFileName) {
        Fail(key, "a file name of 1 to 255 characters");
    }
    value = *text;
}

void PanelOptions::CheckAllTaken(const std::string& kindName) const {
    for (const auto& [key, wasTaken] : taken) {
        if (!wasTaken) {
            std::string problem = "\"" + key;
            problem += "\" is no option of " + kindName + " panels";
            file.Fail(line, problem);
        }
    }
}
