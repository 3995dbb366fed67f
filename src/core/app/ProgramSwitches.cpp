#include "core/app/ProgramSwitches.h"

#include "core/app/Version.h"

namespace rovik {

namespace {
constexpr const char* kUsage =
    "Usage: rovik [demo=FILE.rvk]\n"
    "       rovik --help | --version | --message TEXT\n"
    "\n"
    "A dashboard for heavy-duty vehicles on the VXB interface box (SAE J1708/J1587 and\n"
    "J1939). Rovik keeps its files (SETTINGS.DAT, PARAMTRS.DAT, DEFAULT.SCR, ODOMETER.DAT,\n"
    "trip files, logs) in the folder it is started in; without SETTINGS.DAT it opens the\n"
    "box on COM1 (/dev/ttyS0).\n"
    "\n"
    "  demo=FILE.rvk   play a raw log of the box instead of opening the box (the path\n"
    "                  may not contain spaces)\n"
    "  --help          show this text\n"
    "  --version       show the version\n"
    "  --message TEXT  show TEXT in an error window, then end\n"
    "\n"
    "The desktop menu starts Rovik through rovik-start, in its own folder\n"
    "$XDG_DATA_HOME/rovik (~/.local/share/rovik), where it first copies the files\n"
    "supplied with the program (/usr/share/rovik when installed from the package) and\n"
    "plays the demo drive until SETTINGS.DAT names a box.\n";
}  // namespace

ProgramSwitches::ProgramSwitches(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        help = help || arguments[i] == "--help" || arguments[i] == "-h";
        version = version || arguments[i] == "--version";
        if (arguments[i] == "--message" && i + 1 < arguments.size()) {
            message = arguments[++i];
        }
    }
}

std::optional<std::string> ProgramSwitches::TextToPrint() const {
    if (help) {
        return kUsage;
    }
    if (version) {
        return std::string(kVersionText) + "\n";
    }
    return std::nullopt;
}

}  // namespace rovik
