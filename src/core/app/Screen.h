#pragma once

#include <string>
#include <variant>
#include <vector>

#include "core/panels/ClockRecord.h"
#include "core/panels/ColorRef.h"
#include "core/panels/HistogramRecord.h"
#include "core/panels/MessageBoxRecord.h"
#include "core/panels/MultibarRecord.h"
#include "core/panels/OdometerRecord.h"
#include "core/panels/PanelRecord.h"
#include "core/panels/PictureRecord.h"
#include "core/panels/ScanGaugeRecord.h"
#include "core/panels/SimpleGaugeRecord.h"
#include "core/panels/TankMinderRecord.h"
#include "core/panels/TextPanelRecord.h"
#include "core/panels/TireGaugeRecord.h"
#include "core/panels/TransmissionRecord.h"

namespace rovik {

// The record of any panel kind the program can read and write. A new kind joins this list
// and the reader's switch in ScreenFile.cpp. One kind a line, so that kinds added side by
// side merge cleanly.
// clang-format off
using AnyPanelRecord = std::variant<
    PanelRecord,
    SimpleGaugeRecord,
    ScanGaugeRecord,
    OdometerRecord,
    TankMinderRecord,
    TransmissionRecord,
    MultibarRecord,
    HistogramRecord,
    ClockRecord,
    PictureRecord,
    TextPanelRecord,
    TireGaugeRecord,
    MessageBoxRecord>;
// clang-format on

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
