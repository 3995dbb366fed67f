#include "OffscreenDashboard.h"

#include <unistd.h>

#include <QDir>
#include <memory>
#include <string>

#include "ModalCloser.h"
#include "core/app/CommandLine.h"
#include "core/app/ScreenFile.h"
#include "core/params/ParameterTable.h"
#include "core/values/PreferredSourceTable.h"

namespace rovik::bench {

namespace {
void WriteParameters(const std::vector<std::uint16_t>& pids) {
    ParameterTable table;
    for (std::uint16_t pid : pids) {
        auto parameter = std::make_unique<Parameter>();
        parameter->pid = pid;
        parameter->name = "GAUGE " + std::to_string(pid);
        table.Append(std::move(parameter));
    }
    table.Save();
}
}  // namespace

OffscreenDashboard::OffscreenDashboard(const std::vector<std::uint16_t>& pids, const Screen& screen)
    : previousFolder(QDir::currentPath()), frame("/RovikBench-" + std::to_string(::getpid())) {
    QDir::setCurrent(folder.path());
    WriteParameters(pids);
    ScreenFile::Write("DEFAULT.SCR", screen);
    // Only while starting: its own timer would count in what the benchmarks measure.
    test::ModalCloser closer;
    frame.Main().Start(CommandLine("rovik demo=missing.rvk"));
}

OffscreenDashboard::~OffscreenDashboard() {
    frame.close();
    QDir::setCurrent(previousFolder);
}

void OffscreenDashboard::StoreValue(std::uint16_t pid, float value) {
    frame.Main().State().Values()->Store().StoreValue(kEngineSlot, pid, value);
}

}  // namespace rovik::bench
