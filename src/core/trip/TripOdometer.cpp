#include "core/trip/TripOdometer.h"

#include <optional>

#include "core/trip/DataFileName.h"
#include "core/trip/TripFile.h"
#include "core/trip/TripHistory.h"
#include "platform/FileSystem.h"

namespace rovik {

void TripOdometer::StartNew(const std::tm& now, const Totals& current) {
    path = DataFileName::ForNew(kFilePrefix, now, [](const std::string& name) {
        return FileSystem::Exists(name) || FileSystem::Exists(TripHistory::PathFor(name));
    });
    TripHistory::Create(HistoryPath());
    Restart(current);
    awaitingTotals = !baseline.AllKnown();
}

void TripOdometer::Open(std::string tripFilePath, const Totals& current) {
    path = std::move(tripFilePath);
    std::optional<Totals> kept = TripFile::Read(path);
    baseline = kept.value_or(current);
    // A file that exists but cannot be read is left alone. A missing one is made again from
    // the totals the trip starts at, or the trip would start over at every start.
    const bool missing = !kept && !FileSystem::Exists(path);
    awaitingTotals = missing && !current.AllKnown();
    if (missing && !awaitingTotals && !path.empty()) {
        TripFile::Write(path, baseline);
    }
}

void TripOdometer::AdoptFirstTotals(const Totals& current) {
    if (!awaitingTotals) {
        return;
    }
    const Totals adopted = baseline.WithUnknownsFrom(current);
    if (adopted != baseline) {
        Restart(adopted);
    }
    awaitingTotals = !adopted.AllKnown();
}

TripValues TripOdometer::Values(const Totals& current) const {
    return TripValues::Between(baseline, current);
}

void TripOdometer::Finish(const Totals& current, const std::tm& now) {
    const TripValues ended = Values(current);
    Restart(current);
    AddToHistory(ended, now);
}

void TripOdometer::AddToHistory(const TripValues& trip, const std::tm& ended) const {
    TripHistory::Append(HistoryPath(), TripHistory::Row(ended, trip));
}

void TripOdometer::Restart(const Totals& from) {
    baseline = from;
    awaitingTotals = false;
    TripFile::Write(path, baseline);
}

std::string TripOdometer::HistoryPath() const {
    return TripHistory::PathFor(path);
}

}  // namespace rovik
