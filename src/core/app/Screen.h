#pragma once

#include <string>
#include <variant>
#include <vector>

#include "core/panels/ColorRef.h"
#include "core/panels/MessageBoxRecord.h"
#include "core/panels/OdometerRecord.h"
#include "core/panels/PanelRecord.h"
#include "core/panels/ScanGaugeRecord.h"
#include "core/panels/SimpleGaugeRecord.h"
#include "core/panels/TankMinderRecord.h"

namespace rovik {

// The record of any panel kind the program can read and write. A new kind joins this list
// and the reader's switch in ScreenFile.cpp.
using AnyPanelRecord = std::variant<PanelRecord, SimpleGaugeRecord, ScanGaugeRecord, OdometerRecord,
                                    TankMinderRecord, MessageBoxRecord>;

// What a screen file holds: the panels, the wallpaper and the colour of the panels' text.
struct Screen {
    // In file order; written from the top of the stacking order down.
    std::vector<AnyPanelRecord> panels;
    // Empty when there is no wallpaper.
    std::string wallpaperPath;
    ColorRef panelTextColor = kBlack;

    bool operator==(const Screen&) const = default;
};

}  // namespace rovik
