#pragma once

#include <ctime>
#include <string>

#include "core/trip/Totals.h"
#include "core/trip/TripValues.h"

namespace rovik {

// One trip odometer's trip: the totals when it began, kept in its trip file, and the
// history file that collects the trips before it. Writes that fail leave the trip going
// from memory; the files are the user's to move or delete.
class TripOdometer {
public:
    static constexpr const char* kFilePrefix = "Odo";

    // A new trip from the current totals, in a new file named after the time, with a new
    // history file.
    void StartNew(const std::tm& now, const Totals& current);
    // The trip kept in this file. A missing file is made again with a trip from the current
    // totals (once they are known); one that cannot be read counts from them, untouched.
    void Open(std::string tripFilePath, const Totals& current);
    // A new trip, or one whose file did not exist yet, may begin before the vehicle has
    // reported its totals (at a first start they are all 0): it then starts from each total
    // as it first arrives, kept in its file, rather than counting the truck's whole life.
    void AdoptFirstTotals(const Totals& current);

    TripValues Values(const Totals& current) const;
    // Ends the trip: its row joins the history, when the history file still exists, and a
    // new trip starts from the current totals.
    void Finish(const Totals& current, const std::tm& now);
    void AddToHistory(const TripValues& trip, const std::tm& ended) const;
    // Starts over from this baseline and keeps it in the trip file.
    void Restart(const Totals& from);

    const std::string& Path() const { return path; }
    std::string HistoryPath() const;
    const Totals& Baseline() const { return baseline; }

private:
    std::string path;
    Totals baseline;
    bool awaitingTotals = false;
};

}  // namespace rovik
