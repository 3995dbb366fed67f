#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/app/Screen.h"

class PanelOptions;
class SourceFile;

// A screen kept as text. A panel a line, in the order the file keeps them:
//   KIND left top right bottom #RRGGBB [option=value ...]
// where KIND is simple, scan, odometer or tank and the options are those of its properties
// dialog; and one line for the colour of the panels' text:
//   text-color #RRGGBB
// A panel takes the settings of a new panel of its kind for the options not given.
class ScreenText {
public:
    // Throws SourceError at the first line that is neither.
    static rovik::Screen Read(const SourceFile& file);

private:
    static rovik::AnyPanelRecord ReadPanel(const SourceFile& file, int line,
                                           const std::vector<std::string>& words);
    static rovik::PanelRecord ReadPlace(const SourceFile& file, int line,
                                        const std::vector<std::string>& words);
    // Nullopt for a kind this text does not know.
    static std::optional<rovik::AnyPanelRecord> ReadKind(const std::string& kind,
                                                         const rovik::PanelRecord& place,
                                                         PanelOptions& options);
    static void ReadGaugeLook(PanelOptions& options, rovik::SimpleGaugeRecord& gauge);
    static void ReadReadoutLook(PanelOptions& options, rovik::ReadoutRecord& readout);
    static void ReadSimple(PanelOptions& options, rovik::SimpleGaugeRecord& gauge);
    static void ReadScan(PanelOptions& options, rovik::ScanGaugeRecord& gauge);
    static void ReadOdometer(PanelOptions& options, rovik::OdometerRecord& odometer);
    static void ReadTank(PanelOptions& options, rovik::TankMinderRecord& tank);
};
