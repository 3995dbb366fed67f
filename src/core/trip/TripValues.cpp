#include "core/trip/TripValues.h"

namespace rovik {

namespace {
double NotBelowZero(double value) {
    return value < 0.0 ? 0.0 : value;
}
}  // namespace

TripValues TripValues::Between(const Totals& baseline, const Totals& current) {
    TripValues trip;
    trip.distance = NotBelowZero(current.distance - baseline.distance);
    trip.fuel = NotBelowZero(current.fuelUsed - baseline.fuelUsed);
    trip.hours = NotBelowZero(current.engineHours - baseline.engineHours);
    trip.mpg = trip.fuel >= kLeastFuelForMpg ? trip.distance / trip.fuel : 0.0;
    trip.averageSpeed = trip.hours >= kLeastHoursForSpeed ? trip.distance / trip.hours : 0.0;
    return trip;
}

}  // namespace rovik
