#pragma once

#include <ctime>
#include <string>

#include "core/trip/FillBaseline.h"
#include "core/trip/TankReading.h"
#include "core/trip/Totals.h"

namespace rovik {

// One tank minder's tank: the totals at the last fill, kept in its tank file, against which
// the fuel left and the distance it allows are counted.
class FuelTank {
public:
    static constexpr const char* kFilePrefix = "Tnk";
    // Until this much fuel was used since the fill, the tank's own economy means little.
    static constexpr double kLeastFuelForOwnMpg = 1.0;
    static constexpr int kMostGallons = 999;

    // A tank filled now, in a new file named after the time.
    void StartNew(const std::tm& now, const Totals& current);
    // The tank kept in this file. A missing file is made again with a tank filled now (once
    // the totals are known); one that cannot be read counts from now, untouched.
    void Open(std::string tankFilePath, const Totals& current);
    // A new tank, or one whose file did not exist yet, may be filled before the vehicle has
    // reported its totals: its fill then counts from each total as it first arrives.
    void AdoptFirstTotals(const Totals& current);

    // recentMpg is the vehicle's recent economy; useRecentMpg shows it in place of the
    // tank's own.
    TankReading Read(const Totals& current, double tankSize, double recentMpg,
                     bool useRecentMpg) const;
    // What to show at once after a fill, until the next reading.
    static TankReading JustFilled(double tankSize, double recentMpg, bool useRecentMpg);
    // Fuel left by the count, below zero when more than the tank was used.
    double Remaining(const Totals& current, double tankSize) const;
    // The tank is full from now on; kept in the tank file.
    void Fill(const Totals& current);
    // The tank holds level gallons now; kept in the tank file.
    void SetLevel(double level, double tankSize, const Totals& current);

    // Gallons as the properties dialog takes them: whole, 0 to kMostGallons.
    static int WholeGallons(double gallons);

    const std::string& Path() const { return path; }
    const FillBaseline& Baseline() const { return baseline; }

private:
    void Keep(const FillBaseline& from);

    std::string path;
    FillBaseline baseline;
    bool awaitingTotals = false;
};

}  // namespace rovik
