// Chooses the box the dashboard talks to, in the SETTINGS.DAT of its working folder, or shows
// the one chosen there. Everything else the file holds is kept as it is.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/app/SettingsFile.h"

namespace {
const char* const kUsage =
    "usage: rovik-box SETTINGS.DAT                      show the box chosen\n"
    "       rovik-box SETTINGS.DAT --serial DEVICE      a VX100 on an RS-232 port\n"
    "       rovik-box SETTINGS.DAT --usb DEVICE         a VX101 on USB\n"
    "       rovik-box SETTINGS.DAT --wifi ADDRESS [PORT] a VX150 over Wi-Fi (port 51966)\n";

const char* TypeName(rovik::ConnectionType type) {
    switch (type) {
        case rovik::ConnectionType::Vx101Usb:
            return "VX101 on USB";
        case rovik::ConnectionType::Vx150Wifi:
            return "VX150 over Wi-Fi";
        default:
            return "VX100 on RS-232";
    }
}

void Show(const rovik::Settings& settings) {
    if (settings.connectionType == rovik::ConnectionType::Vx150Wifi) {
        std::printf("%s at %s port %u\n", TypeName(settings.connectionType),
                    settings.ipAddress.c_str(), static_cast<unsigned>(settings.tcpPort));
    } else {
        std::printf("%s on %s\n", TypeName(settings.connectionType), settings.portName.c_str());
    }
}

// Applies the switches; false when they make no sense.
bool Choose(const std::vector<std::string>& args, rovik::Settings& settings) {
    if (args.size() == 2 && (args[0] == "--serial" || args[0] == "--usb")) {
        settings.portName = args[1];
        settings.connectionType = args[0] == "--usb" ? rovik::ConnectionType::Vx101Usb
                                                     : rovik::ConnectionType::Vx100Serial;
        return true;
    }
    if ((args.size() == 2 || args.size() == 3) && args[0] == "--wifi") {
        char* end = nullptr;
        unsigned long port = args.size() == 3 ? std::strtoul(args[2].c_str(), &end, 10) : 51966;
        if ((end && *end != '\0') || port == 0 || port > 65535) {
            return false;
        }
        settings.ipAddress = args[1];
        settings.tcpPort = static_cast<std::uint32_t>(port);
        settings.connectionType = rovik::ConnectionType::Vx150Wifi;
        return true;
    }
    return false;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    rovik::SettingsFile file(argv[1]);
    rovik::Settings settings = file.Read();
    std::vector<std::string> args(argv + 2, argv + argc);
    if (args.empty()) {
        Show(settings);
        return 0;
    }
    if (!Choose(args, settings)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!file.Write(settings)) {
        std::fprintf(stderr, "rovik-box: %s cannot be written\n", argv[1]);
        return 1;
    }
    Show(settings);
    return 0;
}
