#include "ui/logging/DataLogStatus.h"

#include "core/logging/DataLogger.h"

namespace rovik {

namespace {
constexpr int kCheckMs = 500;
}  // namespace

DataLogStatus::DataLogStatus(const DataLogger& logger, QWidget* parent)
    : QLabel(parent), logger(logger) {
    timer.setInterval(kCheckMs);
    connect(&timer, &QTimer::timeout, this, &DataLogStatus::Show);
    timer.start();
}

void DataLogStatus::Show() {
    // The reason comes from the system in its own encoding, as do file names.
    setText(QString::fromLocal8Bit(logger.Failure().c_str()));
}

}  // namespace rovik
