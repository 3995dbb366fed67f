#include "core/app/Dashboard.h"

#include <cstdio>

#include "core/app/CommandLine.h"
#include "core/link/BoxSource.h"
#include "core/link/RecordingSource.h"

namespace rovik {

namespace {
std::string WithCode(const char* format, int code) {
    char text[96];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(code));
    return text;
}

std::optional<Notice> LoadNotice(ParameterTable::LoadResult result) {
    if (result == ParameterTable::LoadResult::FileMissing) {
        return Notice{"Failed to Open PARAMTRS.DAT", "Rovik Error"};
    }
    return std::nullopt;
}
}  // namespace

Dashboard::Dashboard(std::string blockName) : sharedBlockName(std::move(blockName)) {}

Dashboard::~Dashboard() {
    Shutdown();
}

std::vector<Notice> Dashboard::Start(const CommandLine& commandLine) {
    std::vector<Notice> notices;
    if (std::optional<Notice> notice = LoadNotice(parameters.Load())) {
        notices.push_back(*notice);
    }
    totals.Load();
    settings = settingsFile.Read();
    faults.CreateHistoryIfMissing();
    alarms.Load();
    messages.Load();
    StartLink(commandLine.DemoSource(), notices);
    if (settings.automaticallyStartLog) {
        logger.Start();
    }
    threads = std::make_unique<LinkThreads>(*link);
    threads->Start();
    messages.Pass(ValuesOf(parameters, *values));
    return notices;
}

void Dashboard::StartLink(const std::optional<std::string>& demoSource,
                          std::vector<Notice>& notices) {
    values = std::make_unique<LiveValues>(sharedBlockName);
    std::unique_ptr<LinkSource> source;
    if (demoSource) {
        source = std::make_unique<RecordingSource>();
    } else {
        source = std::make_unique<BoxSource>();
    }
    link = std::make_unique<LinkReader>(std::move(source), *values, box);
    link->SetFaultRecorder(&faults);
    const SharedValueBlock& block = values->Store().Block();
    if (block.CreateError() != 0) {
        notices.push_back(
            {WithCode("Failure Initializing Shared File.  Result = 0x%04X", block.CreateError()),
             "Troubleshooting"});
    }
    if (block.MapError() != 0) {
        notices.push_back(
            {WithCode("Failure Initializing Interprocess Communications.  Result = 0x%04X",
                      block.MapError()),
             "Troubleshooting"});
    }
    link->SetPortName(demoSource.value_or(settings.portName));
    link->SetAutoRestart(settings.autoRestart);
    link->SetHostAddress(settings.ipAddress);
    link->SetTcpPort(static_cast<std::uint16_t>(settings.tcpPort));
    link->SetConnectionType(settings.connectionType);
    link->SetTransmitDelay(settings.transmitDelay);
    values->Derived().SetAverageWindow(settings.rollingMpgBufferSize);
    values->Derived().SetOdometerPid(settings.odometerPid);
    LoadEngineFile(notices);
}

void Dashboard::LoadEngineFile(std::vector<Notice>& notices) {
    const std::string& name = settings.engineFileName;
    engineFileFailed = !name.empty() && !values->Derived().LoadEngineCurve(name);
    if (engineFileFailed) {
        notices.push_back({name + "\n has failed to load properly.\nTorque and Horsepower readings "
                                  "may be inaccurate until you select an engine file.",
                           "Error Reading File"});
    }
}

std::optional<Notice> Dashboard::ReloadParameters() {
    return LoadNotice(parameters.Reload());
}

bool Dashboard::ChangeEngineFile(const std::string& path) {
    bool loaded = values && values->Derived().LoadEngineCurve(path);
    settings.engineFileName = loaded ? path : std::string();
    return loaded;
}

void Dashboard::Tick() {
    // What the last receive pass decoded, before anything in this tick reads the totals.
    if (values) {
        totals.Refresh(parameters, *values, settings.odometerPid);
        logger.Tick(MainTick::kTickMs, *values);
    }
    if (threads) {
        threads->WakeReceiver();
    }
    MainTick::Due due = tick.Advance();
    if (due.oneSecond && values) {
        CheckAlarmsAndMessages();
        values->Age();
    }
    if (due.fiveSeconds) {
        QueueJ1939Requests();
    }
}

void Dashboard::CheckAlarmsAndMessages() {
    const ParameterValue valueOf = ValuesOf(parameters, *values);
    if (player) {
        alarms.Pass(valueOf, *player);
    }
    messages.Pass(valueOf);
}

void Dashboard::QueueJ1939Requests() {
    // Only the text-speaking boxes take J1939 requests.
    if (!link || settings.connectionType == ConnectionType::Vx100Serial) {
        return;
    }
    if (settings.requestFuelmeter) {
        link->QueueString("TF900EA00E9FE00FFFFFFFFFF\n\r");
    }
    if (settings.requestOdometer) {
        link->QueueString("TF900EA00E0FE00FFFFFFFFFF\n\r");
    }
}

void Dashboard::Shutdown() {
    if (threads) {
        threads->Stop();
    }
    threads.reset();
    link.reset();
    values.reset();
    parameters.Clear();
}

}  // namespace rovik
