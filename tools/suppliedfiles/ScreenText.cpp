#include "ScreenText.h"

#include "PanelOptions.h"
#include "SourceFile.h"
#include "TextValues.h"
#include "core/trip/FuelTank.h"

using namespace rovik;

namespace {
constexpr std::size_t kPlaceWords = 6;
// Beyond any window: a coordinate past this is a slip of the keyboard.
constexpr long kLargestCoordinate = 1 << 15;
// The properties dialog's slider reaches no further.
constexpr long kLongestDwell = 36;

ColorRef ReadColor(const SourceFile& file, int line, const std::string& word) {
    std::optional<ColorRef> color = TextValues::Color(word);
    if (!color) {
        file.Fail(line, "\"" + word + "\" is no colour (#RRGGBB)");
    }
    return *color;
}

// A new panel of the kind, at the place.
template <typename Record>
Record Placed(const PanelRecord& place) {
    Record record;
    record.rect = place.rect;
    record.background = place.background;
    return record;
}
}  // namespace

Screen ScreenText::Read(const SourceFile& file) {
    Screen screen;
    for (const SourceFile::Line& line : file.Lines()) {
        std::vector<std::string> words = TextValues::Words(line.text);
        if (words.front() != "text-color") {
            screen.panels.push_back(ReadPanel(file, line.number, words));
        } else if (words.size() == 2) {
            screen.panelTextColor = ReadColor(file, line.number, words[1]);
        } else {
            file.Fail(line.number, "text-color takes one colour (#RRGGBB)");
        }
    }
    return screen;
}

AnyPanelRecord ScreenText::ReadPanel(const SourceFile& file, int line,
                                     const std::vector<std::string>& words) {
    PanelRecord place = ReadPlace(file, line, words);
    PanelOptions options({words.begin() + kPlaceWords, words.end()}, file, line);
    std::optional<AnyPanelRecord> panel = ReadKind(words[0], place, options);
    if (!panel) {
        file.Fail(line, "\"" + words[0] + "\" is no panel kind (simple, scan, odometer, tank)");
    }
    options.CheckAllTaken(words[0]);
    return *panel;
}

PanelRecord ScreenText::ReadPlace(const SourceFile& file, int line,
                                  const std::vector<std::string>& words) {
    if (words.size() < kPlaceWords) {
        file.Fail(line, "a panel is: kind left top right bottom #RRGGBB [option=value ...]");
    }
    PanelRecord place;
    std::int32_t* corners[] = {&place.rect.left, &place.rect.top, &place.rect.right,
                               &place.rect.bottom};
    for (std::size_t i = 0; i < std::size(corners); ++i) {
        std::optional<long> value = TextValues::Whole(words[i + 1], 0, kLargestCoordinate);
        if (!value) {
            file.Fail(line, "\"" + words[i + 1] + "\" is no coordinate (0 to 32768)");
        }
        *corners[i] = static_cast<std::int32_t>(*value);
    }
    if (place.rect.IsEmpty()) {
        file.Fail(line, "right must lie beyond left, and bottom below top");
    }
    place.background = ReadColor(file, line, words[5]);
    return place;
}

std::optional<AnyPanelRecord> ScreenText::ReadKind(const std::string& kind,
                                                   const PanelRecord& place,
                                                   PanelOptions& options) {
    if (kind == "simple") {
        auto gauge = Placed<SimpleGaugeRecord>(place);
        ReadSimple(options, gauge);
        return gauge;
    }
    if (kind == "scan") {
        auto gauge = Placed<ScanGaugeRecord>(place);
        ReadScan(options, gauge);
        return gauge;
    }
    if (kind == "odometer") {
        auto odometer = Placed<OdometerRecord>(place);
        ReadOdometer(options, odometer);
        return odometer;
    }
    if (kind == "tank") {
        auto tank = Placed<TankMinderRecord>(place);
        ReadTank(options, tank);
        return tank;
    }
    return std::nullopt;
}

void ScreenText::ReadGaugeLook(PanelOptions& options, SimpleGaugeRecord& gauge) {
    options.Flag("lamp", gauge.showWarningLamp);
    options.Flag("name", gauge.showGaugeName);
    options.Flag("value", gauge.showValue);
    options.Flag("unit", gauge.showUnit);
    options.Flag("graph", gauge.showGraph);
    options.Flag("abbreviation", gauge.useAbbreviation);
    options.Alignment("align", gauge.alignment);
}

void ScreenText::ReadReadoutLook(PanelOptions& options, ReadoutRecord& readout) {
    options.Flag("captions", readout.showCaptions);
    options.Flag("units", readout.showUnits);
    options.Flag("horizontal", readout.horizontal);
    options.Alignment("align", readout.alignment);
}

void ScreenText::ReadSimple(PanelOptions& options, SimpleGaugeRecord& gauge) {
    ReadGaugeLook(options, gauge);
    options.Pid("pid", gauge.pid);
}

// The scan starts at the first PID of its list.
void ScreenText::ReadScan(PanelOptions& options, ScanGaugeRecord& gauge) {
    ReadGaugeLook(options, gauge);
    options.PidList("pids", ScanGaugeRecord::kMaxScanCount, gauge.scanList);
    options.Whole("dwell", 1, kLongestDwell, gauge.dwell);
    gauge.pid = gauge.scanList.front();
}

void ScreenText::ReadOdometer(PanelOptions& options, OdometerRecord& odometer) {
    ReadReadoutLook(options, odometer);
    options.Flag("distance", odometer.showDistance);
    options.Flag("fuel", odometer.showFuelUsed);
    options.Flag("time", odometer.showRunTime);
    options.Flag("mpg", odometer.showMpg);
    options.Flag("speed", odometer.showAverageSpeed);
    options.Flag("locked", odometer.locked);
    options.RequiredFileName("file", odometer.tripFilePath);
}

void ScreenText::ReadTank(PanelOptions& options, TankMinderRecord& tank) {
    ReadReadoutLook(options, tank);
    options.Flag("distance", tank.showDistance);
    options.Flag("fuel", tank.showFuelRemaining);
    options.Flag("mpg", tank.showMpg);
    options.Flag("recent", tank.useRecentMpg);
    options.Number("size", 0, FuelTank::kMostGallons, tank.tankSize);
    options.RequiredFileName("file", tank.tankFilePath);
}
