#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/alarms/AlarmTable.h"
#include "core/alarms/MessageTable.h"
#include "core/app/MainTick.h"
#include "core/app/Notice.h"
#include "core/app/Settings.h"
#include "core/app/SettingsFile.h"
#include "core/diag/FaultCollector.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "core/logging/DataLogger.h"
#include "core/params/ParameterTable.h"
#include "core/trip/VehicleTotals.h"
#include "core/values/SharedValueBlock.h"

namespace rovik {

class CommandLine;
class SoundPlayer;

// The program's state apart from its windows: the parameter table, the settings, the link
// and its threads, and the main tick's bookkeeping. The main window owns one and drives it
// from the interface thread; tests build their own.
class Dashboard {
public:
    explicit Dashboard(std::string sharedBlockName = kSharedBlockName);
    ~Dashboard();
    Dashboard(const Dashboard&) = delete;
    Dashboard& operator=(const Dashboard&) = delete;

    // Loads the data files, opens the link, starts the data log when the settings ask for it
    // and starts the link's threads, in start-up order.
    // Returns what the user must be told, in the order it happened.
    std::vector<Notice> Start(const CommandLine& commandLine);
    // The work of one 100 ms tick of the main timer.
    void Tick();
    // Stops the threads, then releases the link and the parameters, in shutdown order.
    void Shutdown();

    ParameterTable& Parameters() { return parameters; }
    // Reads PARAMTRS.DAT again in place of the table, dropping edits not saved; what the user
    // must be told when the file cannot be read. Whatever keeps parameters of its own takes
    // them up again here.
    std::optional<Notice> ReloadParameters();
    Settings& CurrentSettings() { return settings; }
    // Follows the data log part of the settings.
    DataLogger& Logger() { return logger; }
    // Writes the current settings to SETTINGS.DAT; false when the file could not be written.
    bool SaveSettings() const { return settingsFile.Write(settings); }
    LinkReader* Link() { return link.get(); }
    // The values decoded from the link and derived from them; none before the start.
    LiveValues* Values() { return values.get(); }
    BoxState& Box() { return box; }
    // Whether the link replays a recording ("demo=") instead of talking to a box.
    bool IsPlayingBack() const { return link && !link->IsLive(); }
    FaultCollector& Faults() { return faults; }
    const VehicleTotals& Totals() const { return totals; }
    LinkThreads* Threads() { return threads.get(); }
    AlarmTable& Alarms() { return alarms; }
    MessageTable& Messages() { return messages; }
    // Where the alarms play their sounds; without one they are not checked. The player must
    // outlive the dashboard or be replaced first.
    void SetSoundPlayer(SoundPlayer* soundPlayer) { player = soundPlayer; }
    SoundPlayer* Player() const { return player; }

    // Loads this engine file into the link and names it in the settings; on failure the
    // curve stays as it was and no engine file is named. The caller saves the settings.
    bool ChangeEngineFile(const std::string& path);
    // Whether the engine file named at start-up failed to load, so the user should pick one.
    bool EngineFileFailed() const { return engineFileFailed; }

private:
    void StartLink(const std::optional<std::string>& demoSource, std::vector<Notice>& notices);
    void LoadEngineFile(std::vector<Notice>& notices);
    void QueueJ1939Requests();
    void CheckAlarmsAndMessages();

    std::string sharedBlockName;
    ParameterTable parameters;
    VehicleTotals totals;
    SettingsFile settingsFile;
    Settings settings;
    DataLogger logger{parameters, settings.dataLog};
    AlarmTable alarms;
    MessageTable messages;
    SoundPlayer* player = nullptr;
    // These outlive the link, whose receive thread records and stores into them.
    FaultCollector faults;
    std::unique_ptr<LiveValues> values;
    BoxState box;
    std::unique_ptr<LinkReader> link;
    std::unique_ptr<LinkThreads> threads;
    MainTick tick;
    bool engineFileFailed = false;
};

}  // namespace rovik
