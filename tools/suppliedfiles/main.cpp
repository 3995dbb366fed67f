// Makes the binary files supplied beside the program from the text forms kept in data/:
// the parameter table, a screen, and the empty history file of a screen's trip odometer.

#include <iostream>
#include <memory>
#include <string>

#include "ParameterText.h"
#include "ScreenText.h"
#include "SourceError.h"
#include "SourceFile.h"
#include "core/app/ScreenFile.h"
#include "core/params/ParameterTable.h"
#include "core/trip/TripHistory.h"

namespace {
constexpr const char* kUsage =
    "usage: make_supplied_file parameters PARAMETERS.txt PARAMTRS.DAT\n"
    "       make_supplied_file screen SCREEN.txt SCREEN.SCR\n"
    "       make_supplied_file history TRIP-HISTORY.TXT\n";

bool MakeParameters(const std::string& source, const std::string& made) {
    rovik::ParameterTable table(made);
    for (const rovik::Parameter& parameter : ParameterText::Read(SourceFile(source))) {
        table.Append(std::make_unique<rovik::Parameter>(parameter));
    }
    return table.Save();
}

bool MakeScreen(const std::string& source, const std::string& made) {
    return rovik::ScreenFile::Write(made, ScreenText::Read(SourceFile(source)));
}

bool Usable(const std::string& kind, int argc) {
    return ((kind == "parameters" || kind == "screen") && argc == 4) ||
           (kind == "history" && argc == 3);
}

bool Make(const std::string& kind, char** argv) {
    if (kind == "parameters") {
        return MakeParameters(argv[2], argv[3]);
    }
    if (kind == "screen") {
        return MakeScreen(argv[2], argv[3]);
    }
    return rovik::TripHistory::Create(argv[2]);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !Usable(argv[1], argc)) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        if (!Make(argv[1], argv)) {
            std::cerr << argv[argc - 1] << ": cannot be written\n";
            return 1;
        }
    } catch (const SourceError& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
