#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/panels/TextAlignment.h"

class SourceFile;

// The option=value words that follow a panel's place and colour on its line. Each kind takes
// the options it knows, and any option left untaken is a fault, so that a misspelt option
// never passes unnoticed. An option not given leaves its field as it was.
class PanelOptions {
public:
    // Throws SourceError for a word that is no option=value or an option given twice.
    PanelOptions(const std::vector<std::string>& words, const SourceFile& file, int line);

    void Flag(const std::string& key, bool& value);
    void Pid(const std::string& key, std::uint16_t& value);
    // PIDs separated by commas, at most most of them.
    void PidList(const std::string& key, std::size_t most, std::vector<std::uint16_t>& value);
    void Whole(const std::string& key, long low, long high, std::uint32_t& value);
    void Number(const std::string& key, double low, double high, double& value);
    // left, centre or right.
    void Alignment(const std::string& key, rovik::TextAlignment& value);
    // A file name of 1 to 255 characters, which must be given.
    void RequiredFileName(const std::string& key, std::string& value);
    // Throws SourceError naming an option that no call took.
    void CheckAllTaken(const std::string& kindName) const;

private:
    // The option's text, which is then taken; nullptr when it was not given.
    const std::string* Take(const std::string& key);
    [[noreturn]] void Fail(const std::string& key, const std::string& expected) const;

    std::map<std::string, std::string> values;
    std::map<std::string, bool> taken;
    const SourceFile& file;
    int line;
};
