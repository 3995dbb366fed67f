#pragma once

#include <vector>

namespace vxbsim {

// A drive given as waypoints: the road speed, and the grade of the road, to be reached at each
// moment. Between two waypoints the values ease out of the first and into the second, so the
// truck never jumps in speed and comes to rest gently at every stop. Before the first
// waypoint the first one holds, after the last the last one.
class DriveRoute {
public:
    struct Waypoint {
        double seconds = 0.0;
        double mph = 0.0;
        // Uphill in percent; a climb loads the engine and heats it.
        double gradePercent = 0.0;
    };

    // The waypoints in any order; a negative speed or grade counts as 0, and a route without
    // waypoints stands still.
    explicit DriveRoute(std::vector<Waypoint> waypoints);

    double SpeedAt(double seconds) const;
    double GradeAt(double seconds) const;
    // The time of the last waypoint.
    double Seconds() const;

private:
    // The waypoints on either side of a moment and the eased share of the way between them;
    // where one waypoint holds, it is both and the share is 0.
    struct Position {
        const Waypoint& from;
        const Waypoint& to;
        double share;
    };
    Position At(double seconds) const;

    std::vector<Waypoint> waypoints;
};

}  // namespace vxbsim
