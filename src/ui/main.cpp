#include <cstdio>

#include "core/app/ProgramSwitches.h"
#include "ui/app/DashboardApp.h"

int main(int argc, char** argv) {
    // Usage and version need no window, so they work without a display.
    const rovik::ProgramSwitches switches({argv + 1, argv + argc});
    if (const std::optional<std::string> text = switches.TextToPrint()) {
        std::fputs(text->c_str(), stdout);
        return 0;
    }
    rovik::DashboardApp app(argc, argv);
    return switches.Message() ? app.ShowMessage(*switches.Message()) : app.Run();
}
