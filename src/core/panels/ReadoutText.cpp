#include "core/panels/ReadoutText.h"

#include "core/panels/OdometerRecord.h"
#include "core/panels/TankMinderRecord.h"
#include "core/trip/TankReading.h"
#include "core/trip/TripText.h"
#include "core/trip/TripValues.h"

namespace rovik {

std::vector<ReadoutText::Field> ReadoutText::ForOdometer(const OdometerRecord& odometer,
                                                         const TripValues& trip) {
    std::vector<Field> fields;
    if (odometer.showDistance) {
        fields.push_back({"Distance", TripText::OneDecimal(trip.distance), "Miles"});
    }
    if (odometer.showFuelUsed) {
        fields.push_back({"Fuel", TripText::OneDecimal(trip.fuel), "Gallons"});
    }
    if (odometer.showRunTime) {
        fields.push_back({"Time", TripText::Time(trip.hours), ""});
    }
    if (odometer.showAverageSpeed) {
        fields.push_back({"Speed", TripText::OneDecimal(trip.averageSpeed), "MPH"});
    }
    if (odometer.showMpg) {
        fields.push_back({"Economy", TripText::OneDecimal(trip.mpg), "MPG"});
    }
    return fields;
}

std::vector<ReadoutText::Field> ReadoutText::ForTankMinder(const TankMinderRecord& tank,
                                                           const TankReading& reading) {
    std::vector<Field> fields;
    if (tank.showDistance) {
        fields.push_back({"To Empty", TripText::NoDecimals(reading.distanceToEmpty), "Miles"});
    }
    if (tank.showFuelRemaining) {
        fields.push_back({"Fuel", TripText::OneDecimal(reading.fuelRemaining), "Gallons"});
    }
    if (tank.showMpg) {
        fields.push_back({reading.mpgIsRecent ? "Recent" : "This Tank",
                          TripText::OneDecimal(reading.mpg), "MPG"});
    }
    return fields;
}

}  // namespace rovik
