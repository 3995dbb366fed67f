#include "vxbsim/DriveRoute.h"

#include <algorithm>
#include <utility>

namespace vxbsim {

DriveRoute::DriveRoute(std::vector<Waypoint> points) : waypoints(std::move(points)) {
    for (Waypoint& point : waypoints) {
        point.mph = std::max(0.0, point.mph);
        point.gradePercent = std::max(0.0, point.gradePercent);
    }
    std::stable_sort(waypoints.begin(), waypoints.end(),
                     [](const Waypoint& a, const Waypoint& b) { return a.seconds < b.seconds; });
    if (waypoints.empty()) {
        waypoints.push_back({});
    }
}

double DriveRoute::SpeedAt(double seconds) const {
    Position at = At(seconds);
    return at.from.mph + (at.to.mph - at.from.mph) * at.share;
}

double DriveRoute::GradeAt(double seconds) const {
    Position at = At(seconds);
    return at.from.gradePercent + (at.to.gradePercent - at.from.gradePercent) * at.share;
}

double DriveRoute::Seconds() const {
    return waypoints.back().seconds;
}

// Plain arithmetic only (a smoothstep), so every machine computes the same drive.
DriveRoute::Position DriveRoute::At(double seconds) const {
    auto next =
        std::upper_bound(waypoints.begin(), waypoints.end(), seconds,
                         [](double time, const Waypoint& point) { return time < point.seconds; });
    if (next == waypoints.begin() || next == waypoints.end()) {
        const Waypoint& holding = next == waypoints.begin() ? waypoints.front() : waypoints.back();
        return {holding, holding, 0.0};
    }
    const Waypoint& from = *(next - 1);
    double u = (seconds - from.seconds) / (next->seconds - from.seconds);
    return {from, *next, u * u * (3.0 - 2.0 * u)};
}

}  // namespace vxbsim
