#pragma once

#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

#include "core/app/Screen.h"
#include "ui/app/CMainFrame.h"

namespace rovik::bench {

// A started dashboard in a fresh working folder whose parameter table holds one gauge
// parameter for each of the given PIDs and whose screen file holds the given panels. It
// replays a recording that does not exist, so only the values stored here change.
class OffscreenDashboard {
public:
    OffscreenDashboard(const std::vector<std::uint16_t>& pids, const Screen& screen);
    ~OffscreenDashboard();
    OffscreenDashboard(const OffscreenDashboard&) = delete;
    OffscreenDashboard& operator=(const OffscreenDashboard&) = delete;

    MainWindow& Main() { return frame.Main(); }
    // Stores a live value as the engine sent it.
    void StoreValue(std::uint16_t pid, float value);

private:
    QTemporaryDir folder;
    QString previousFolder;
    CMainFrame frame;
};

}  // namespace rovik::bench
