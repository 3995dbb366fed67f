#include "core/trip/FuelTank.h"

#include <algorithm>
#include <optional>

#include "core/trip/DataFileName.h"
#include "core/trip/TankFile.h"
#include "platform/FileSystem.h"

namespace rovik {

namespace {
FillBaseline FilledAt(const Totals& current) {
    return {current.fuelUsed, current.distance};
}

bool AllKnown(const FillBaseline& baseline) {
    return baseline.fuelUsed != 0.0 && baseline.distance != 0.0;
}
}  // namespace

void FuelTank::StartNew(const std::tm& now, const Totals& current) {
    path = DataFileName::ForNew(kFilePrefix, now, FileSystem::Exists);
    Fill(current);
    awaitingTotals = !AllKnown(baseline);
}

void FuelTank::Open(std::string tankFilePath, const Totals& current) {
    path = std::move(tankFilePath);
    std::optional<FillBaseline> kept = TankFile::Read(path);
    baseline = kept.value_or(FilledAt(current));
    // A file that exists but cannot be read is left alone. A missing one is made again from
    // the totals the tank counts from, or it would be full again at every start.
    const bool missing = !kept && !FileSystem::Exists(path);
    awaitingTotals = missing && !AllKnown(baseline);
    if (missing && !awaitingTotals && !path.empty()) {
        TankFile::Write(path, baseline);
    }
}

void FuelTank::AdoptFirstTotals(const Totals& current) {
    if (!awaitingTotals) {
        return;
    }
    const FillBaseline adopted = {baseline.fuelUsed == 0.0 ? current.fuelUsed : baseline.fuelUsed,
                                  baseline.distance == 0.0 ? current.distance : baseline.distance};
    if (adopted != baseline) {
        Keep(adopted);
    }
    awaitingTotals = !AllKnown(adopted);
}

TankReading FuelTank::Read(const Totals& current, double tankSize, double recentMpg,
                           bool useRecentMpg) const {
    TankReading reading;
    reading.fuelRemaining = std::max(0.0, Remaining(current, tankSize));
    const auto used = static_cast<float>(current.fuelUsed - baseline.fuelUsed);
    // A fill point beyond the current distance counts as no distance, as trips do.
    const auto travelled = std::max(0.0f, static_cast<float>(current.distance - baseline.distance));
    reading.mpgIsRecent = useRecentMpg || used < kLeastFuelForOwnMpg;
    reading.mpg = reading.mpgIsRecent ? recentMpg : travelled / used;
    reading.distanceToEmpty = reading.fuelRemaining * reading.mpg;
    return reading;
}

TankReading FuelTank::JustFilled(double tankSize, double recentMpg, bool useRecentMpg) {
    TankReading reading;
    reading.fuelRemaining = tankSize;
    reading.distanceToEmpty = useRecentMpg ? recentMpg * tankSize : 0.0;
    // Less than a gallon was used since the fill, so the next reading is the recent one too.
    reading.mpgIsRecent = true;
    return reading;
}

double FuelTank::Remaining(const Totals& current, double tankSize) const {
    return tankSize - (current.fuelUsed - baseline.fuelUsed);
}

void FuelTank::Fill(const Totals& current) {
    Keep(FilledAt(current));
}

void FuelTank::SetLevel(double level, double tankSize, const Totals& current) {
    Keep({level + current.fuelUsed - tankSize, baseline.distance});
}

int FuelTank::WholeGallons(double gallons) {
    // Also false for a value that is no number.
    if (!(gallons > 0.0)) {
        return 0;
    }
    return gallons >= kMostGallons ? kMostGallons : static_cast<int>(gallons);
}

void FuelTank::Keep(const FillBaseline& from) {
    baseline = from;
    awaitingTotals = false;
    TankFile::Write(path, baseline);
}

}  // namespace rovik
