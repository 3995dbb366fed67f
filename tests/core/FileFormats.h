#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "Described.h"
#include "core/alarms/AlarmTable.h"
#include "core/alarms/MessageTable.h"
#include "core/app/ScreenFile.h"
#include "core/app/SettingsFile.h"
#include "core/params/ParameterTable.h"
#include "core/tires/TireLayoutFile.h"
#include "core/trip/TankFile.h"
#include "core/trip/TripFile.h"
#include "core/trip/VehicleTotals.h"
#include "core/values/ValueLookup.h"

// The data files that have a reader and a writer in core, each described for the shared
// round-trip and cut tests in FileFormatsTest.cpp. A format is a struct with:
//   kName               its name in the test names
//   Value               what the file holds; a fresh Value is what a part not read reads as
//   Sample()            a Value whose every field or record differs from a fresh one
//   Write(path, value)  the program's writer; true when it says the file now holds the value
//   Read(path)          the program's reader
//   States(read, full)  one letter a field or record, in file order: 'R' where read holds
//                       full's value, 'D' where it holds a fresh Value's, '?' for anything else
// A new format adds such a struct here and its name to the list in FileFormatsTest.cpp.
namespace rovik::test {

using Bytes = std::vector<std::uint8_t>;

// The States letters of the named members, in the order given.
template <class T, class... Members>
std::string FieldStates(const T& read, const T& full, Members... members) {
    const T fresh{};
    std::string states;
    auto note = [&](auto member) {
        states += read.*member == full.*member ? 'R' : read.*member == fresh.*member ? 'D' : '?';
    };
    (note(members), ...);
    return states;
}

template <class Gauge>
Gauge SampleGauge() {
    Gauge gauge;
    gauge.rect = {8, 16, 168, 96};
    gauge.background = Rgb(10, 20, 30);
    gauge.pid = 300;
    gauge.showWarningLamp = true;
    gauge.showGaugeName = gauge.showValue = gauge.showUnit = gauge.showGraph = false;
    gauge.useAbbreviation = true;
    gauge.alignment = TextAlignment::Right;
    return gauge;
}

inline ScanGaugeRecord SampleScanGauge() {
    ScanGaugeRecord gauge = SampleGauge<ScanGaugeRecord>();
    gauge.dwell = 10;
    gauge.scanList = {110, 0, 254, 256, 511};
    return gauge;
}

template <class Readout>
Readout SampleReadout() {
    Readout readout;
    readout.rect = {240, 0, 400, 160};
    readout.background = Rgb(1, 2, 3);
    readout.alignment = TextAlignment::Centre;
    readout.showCaptions = readout.showUnits = false;
    readout.horizontal = true;
    return readout;
}

inline OdometerRecord SampleOdometer() {
    OdometerRecord odometer = SampleReadout<OdometerRecord>();
    odometer.showDistance = odometer.showFuelUsed = odometer.showRunTime = false;
    odometer.showMpg = odometer.showAverageSpeed = false;
    odometer.locked = true;
    odometer.tripFilePath = "Odo73533436000.trp";
    return odometer;
}

inline TankMinderRecord SampleTankMinder() {
    TankMinderRecord tank = SampleReadout<TankMinderRecord>();
    tank.showDistance = tank.showFuelRemaining = tank.showMpg = tank.useRecentMpg = false;
    tank.tankSize = 150.5;
    tank.tankFilePath = "Tnk73533436000.trp";
    return tank;
}

// Each of the other kinds, placed and coloured as a blank panel would be.
template <class Record>
Record Placed(Record record) {
    record.rect = {0, 200, 40, 240};
    record.background = Rgb(9, 8, 7);
    return record;
}

inline std::vector<AnyPanelRecord> SampleOtherKinds() {
    MultibarRecord multibar;
    multibar.pids = {110, 256, 84};
    multibar.showGaugeName = multibar.showValue = multibar.showUnit = false;
    multibar.alignment = TextAlignment::Right;
    HistogramRecord histogram;
    histogram.pids = {190, 511};
    histogram.updateRate = 45;
    TransmissionRecord transmission;
    transmission.showGearAttained = transmission.showGearSelected = false;
    transmission.alignment = TextAlignment::Left;
    TextPanelRecord text;
    text.alignment = TextAlignment::Right;
    text.text = "Fleet 7";
    PictureRecord picture;
    picture.path = "/home/driver/logo.bmp";
    TireGaugeRecord tires;
    tires.showIcon = tires.showPressure = false;
    MessageBoxRecord messages;
    messages.messageLines = 99;
    messages.filterPid = 510;
    messages.limitToFilter = true;
    return {Placed(PanelRecord()), Placed(multibar), Placed(histogram),
            Placed(transmission),  Placed(text),     Placed(picture),
            Placed(ClockRecord()), Placed(tires),    Placed(messages)};
}

// The States letters of a panel record's fields, in file order.
template <class R>
std::string RecordStates(const R& read, const R& full) {
    std::string states = FieldStates(read, full, &R::rect, &R::background);
    if constexpr (std::is_same_v<R, MultibarRecord>) {
        states += FieldStates(read, full, &R::pids, &R::showGaugeName, &R::showValue, &R::showUnit,
                              &R::alignment);
    }
    if constexpr (std::is_same_v<R, HistogramRecord>) {
        states += FieldStates(read, full, &R::pids, &R::updateRate);
    }
    if constexpr (std::is_same_v<R, TransmissionRecord>) {
        states +=
            FieldStates(read, full, &R::showGearAttained, &R::showGearSelected, &R::alignment);
    }
    if constexpr (std::is_same_v<R, TextPanelRecord>) {
        states += FieldStates(read, full, &R::alignment, &R::text);
    }
    if constexpr (std::is_same_v<R, PictureRecord>) {
        states += FieldStates(read, full, &R::path);
    }
    if constexpr (std::is_base_of_v<SimpleGaugeRecord, R>) {
        states +=
            FieldStates(read, full, &R::pid, &R::showWarningLamp, &R::showGaugeName, &R::showValue,
                        &R::showUnit, &R::showGraph, &R::useAbbreviation, &R::alignment);
    }
    if constexpr (std::is_same_v<R, ScanGaugeRecord>) {
        states += FieldStates(read, full, &R::dwell, &R::scanList);
    }
    if constexpr (std::is_same_v<R, OdometerRecord>) {
        states += FieldStates(read, full, &R::showFuelUsed, &R::locked, &R::showRunTime,
                              &R::showDistance, &R::showMpg, &R::showAverageSpeed, &R::alignment,
                              &R::showCaptions, &R::showUnits, &R::horizontal, &R::tripFilePath);
    }
    if constexpr (std::is_same_v<R, TireGaugeRecord>) {
        states += FieldStates(read, full, &R::showIcon, &R::showPressure);
    }
    if constexpr (std::is_same_v<R, MessageBoxRecord>) {
        states += FieldStates(read, full, &R::messageLines, &R::filterPid, &R::limitToFilter);
    }
    if constexpr (std::is_same_v<R, TankMinderRecord>) {
        states += FieldStates(read, full, &R::showFuelRemaining, &R::showDistance, &R::showMpg,
                              &R::alignment, &R::showCaptions, &R::showUnits, &R::useRecentMpg,
                              &R::horizontal, &R::tankSize, &R::tankFilePath);
    }
    return states;
}

struct SettingsDat {
    static constexpr const char* kName = "SettingsDat";
    using Value = Settings;

    static Value Sample() {
        Settings s;
        s.portName = "/dev/ttyS9";
        s.screenFileName = "TRUCK.SCR";
        s.windowPlacement = {44, 0, 3, -1, -1, -1, -1, 10, 20, 810, 620};
        s.hasWindowPlacement = true;
        s.dataLog = {5, {190, 84, 0, 254, 256, 511}, "trip.txt", true};
        s.autoRestart = s.automaticallyStartLog = true;
        s.rollingMpgBufferSize = 300;
        s.engineFileName = "Cummins ISX";
        s.odometerPid = 244;
        s.connectionType = ConnectionType::Vx150Wifi;
        s.transmitDelay = 7;
        s.requestFuelmeter = s.requestOdometer = true;
        s.ipAddress = "192.168.4.7";
        s.tcpPort = 70000;
        return s;
    }
    static bool Write(const std::string& path, const Value& value) {
        return SettingsFile(path).Write(value);
    }
    static Value Read(const std::string& path) { return SettingsFile(path).Read(); }
    static std::string States(const Value& read, const Value& full) {
        using S = Settings;
        using D = DataLogSettings;
        const D& log = read.dataLog;
        const D& fullLog = full.dataLog;
        return FieldStates(read, full, &S::portName, &S::screenFileName, &S::windowPlacement,
                           &S::hasWindowPlacement) +
               FieldStates(log, fullLog, &D::interval, &D::columns, &D::fileName) +
               FieldStates(read, full, &S::autoRestart, &S::rollingMpgBufferSize,
                           &S::engineFileName, &S::odometerPid, &S::automaticallyStartLog) +
               FieldStates(log, fullLog, &D::logWhenEngineOff) +
               FieldStates(read, full, &S::connectionType, &S::transmitDelay, &S::requestFuelmeter,
                           &S::requestOdometer, &S::ipAddress, &S::tcpPort);
    }
};

// Panels are whole records or, where the file was cut, fields as far as the cut.
struct ScreenFileFormat {
    static constexpr const char* kName = "ScreenFile";
    using Value = Screen;

    static Value Sample() {
        Screen screen{{SampleGauge<SimpleGaugeRecord>(), SampleScanGauge(), SampleOdometer(),
                       SampleTankMinder()},
                      "/home/driver/road.bmp",
                      Rgb(1, 2, 3)};
        for (const AnyPanelRecord& panel : SampleOtherKinds()) {
            screen.panels.push_back(panel);
        }
        return screen;
    }
    static bool Write(const std::string& path, const Value& value) {
        return ScreenFile::Write(path, value);
    }
    static Value Read(const std::string& path) {
        std::optional<Screen> screen = ScreenFile::Read(path);
        EXPECT_TRUE(screen);
        return screen.value_or(Screen());
    }
    static std::string States(const Value& read, const Value& full) {
        std::string states = read.panels.size() > full.panels.size() ? "?" : "";
        for (std::size_t i = 0; i < full.panels.size(); ++i) {
            states += std::visit(
                [&](const auto& whole) {
                    using Record = std::decay_t<decltype(whole)>;
                    const Record fresh;
                    const Record* got =
                        i < read.panels.size() ? std::get_if<Record>(&read.panels[i]) : &fresh;
                    return got ? RecordStates(*got, whole) : std::string("?");
                },
                full.panels[i]);
        }
        return states + FieldStates(read, full, &Screen::wallpaperPath, &Screen::panelTextColor);
    }
};

// Whole records only; with none the table holds the default parameter.
struct ParametersDat {
    static constexpr const char* kName = "ParametersDat";
    using Value = std::vector<Parameter>;

    static Value Sample() {
        Parameter oil;
        oil.name = "OIL PRESSURE";
        oil.pid = 100;
        oil.format = "%.0f psi";
        oil.lowRedLine = 10.0f;
        Parameter pageTwo;
        pageTwo.pid = 300;
        pageTwo.offset = 2.0f;
        pageTwo.multiplier = 10.0f;
        Parameter last;
        last.unit = "RPM";
        last.highRedLine = 2500.0f;
        return {oil, pageTwo, last};
    }
    static bool Write(const std::string& path, const Value& value) {
        ParameterTable table(path);
        for (const Parameter& parameter : value) {
            table.Append(std::make_unique<Parameter>(parameter));
        }
        return table.Save();
    }
    static Value Read(const std::string& path) {
        ParameterTable table(path);
        table.Load();
        Value read;
        for (std::size_t i = 0; i < table.Size(); ++i) {
            read.push_back(table.At(i));
        }
        return read;
    }
    static std::string States(const Value& read, const Value& full) {
        std::string states = read.size() > full.size() ? "?" : "";
        for (std::size_t i = 0; i < full.size(); ++i) {
            const std::string got = Described(i < read.size() ? read[i] : Parameter());
            states += got == Described(full[i]) ? 'R' : got == Described(Parameter()) ? 'D' : '?';
        }
        return states;
    }
};

// A list of records after a count byte; whole records only.
template <class Table, class Record, std::list<Record>& (Table::*List)()>
struct CountedFormat {
    using Value = std::vector<Record>;

    static bool Write(const std::string& path, const Value& value) {
        Table table(path);
        (table.*List)().assign(value.begin(), value.end());
        return table.Save();
    }
    static Value Read(const std::string& path) {
        Table table(path);
        table.Load();
        return Value((table.*List)().begin(), (table.*List)().end());
    }
    static std::string States(const Value& read, const Value& full) {
        std::string states = read.size() > full.size() ? "?" : "";
        for (std::size_t i = 0; i < full.size(); ++i) {
            const Record got = i < read.size() ? read[i] : Record();
            states += got == full[i] ? 'R' : got == Record() ? 'D' : '?';
        }
        return states;
    }
};

struct AlarmsDat : CountedFormat<AlarmTable, Alarm, &AlarmTable::Alarms> {
    static constexpr const char* kName = "AlarmsDat";
    static Value Sample() {
        Alarm under;
        under.pid = 110;
        under.direction = Alarm::kUnder;
        under.repeatMode = Alarm::kRepeatContinuously;
        under.triggerValue = -3.5f;
        under.soundFile = "/home/driver/sounds/coolant.wav";
        Alarm unnamed;
        unnamed.soundFile.clear();
        unnamed.repeatMode = Alarm::kOnceOnly;
        return {under, unnamed};
    }
};

struct MessageDat : CountedFormat<MessageTable, TextMessage, &MessageTable::Messages> {
    static constexpr const char* kName = "MessageDat";
    static Value Sample() {
        TextMessage hot;
        hot.pid = 110;
        hot.triggerType = TextMessage::kOver;
        hot.triggerValue = 230.5f;
        hot.text = "Coolant hot \xB0";
        hot.color = Rgb(255, 0, 0);
        TextMessage blank;
        blank.text.clear();
        blank.color = kWhite;
        return {hot, blank};
    }
};

// ODOMETER.DAT, written as the link's totals are copied into it.
struct OdometerDat {
    static constexpr const char* kName = "OdometerDat";
    using Value = Totals;

    struct Reported : ValueLookup {
        explicit Reported(const Totals& totals) : totals(totals) {}
        double GetValue(unsigned pid) const override {
            return pid == VehicleTotals::kFuelUsedPid      ? totals.fuelUsed
                   : pid == VehicleTotals::kEngineHoursPid ? totals.engineHours
                                                           : totals.distance;
        }
        std::uint32_t GetUpdateCount(unsigned) const override { return 1; }
        const std::uint8_t* GetRawBytes(unsigned) const override { return nullptr; }
        Totals totals;
    };

    static Value Sample() { return {412345.6, 9876.5, 61234.5}; }
    static bool Write(const std::string& path, const Value& value) {
        VehicleTotals(path).Refresh(ParameterTable(path + ".none"), Reported(value), 245);
        return Read(path) == value;
    }
    static Value Read(const std::string& path) {
        VehicleTotals totals(path);
        totals.Load();
        return totals.Current();
    }
    static std::string States(const Value& read, const Value& full) {
        return FieldStates(read, full, &Totals::distance, &Totals::engineHours, &Totals::fuelUsed);
    }
};

// A baseline file holds the whole baseline or none.
template <class File, class Baseline>
struct BaselineFormat {
    using Value = std::optional<Baseline>;

    static bool Write(const std::string& path, const Value& value) {
        return File::Write(path, *value);
    }
    static Value Read(const std::string& path) { return File::Read(path); }
    static std::string States(const Value& read, const Value& full) {
        return read == full ? "R" : read ? "?" : "D";
    }
};

struct TripFileFormat : BaselineFormat<TripFile, Totals> {
    static constexpr const char* kName = "TripFile";
    static Value Sample() { return Totals{412345.6, 9876.5, 61234.5}; }
};

struct TankFileFormat : BaselineFormat<TankFile, FillBaseline> {
    static constexpr const char* kName = "TankFile";
    static Value Sample() { return FillBaseline{61234.5, 412345.6}; }
};

// Positions as far as the file goes; the rest are empty.
struct TiresDat {
    static constexpr const char* kName = "TiresDat";
    using Value = TireLayout;

    static Value Sample() {
        return {{0, 7, 14, 5, 12, 3, 10, 1, 8, 15, 6, 13, 4, 11, 2, 9, 0, 7, 14, 5}};
    }
    static bool Write(const std::string& path, const Value& value) {
        return TireLayoutFile::Write(path, value);
    }
    static Value Read(const std::string& path) {
        return TireLayoutFile::Read(path).value_or(TireLayout());
    }
    static std::string States(const Value& read, const Value& full) {
        std::string states;
        for (std::size_t i = 0; i < TireLayout::kPositions; ++i) {
            states += read.sensors[i] == full.sensors[i]     ? 'R'
                      : read.sensors[i] == TireLayout::kNone ? 'D'
                                                             : '?';
        }
        return states;
    }
};

}  // namespace rovik::test
