#pragma once

#include <string_view>

namespace rovik {

// The round of questions the Advanced dialog puts to the box, one step each half second:
// thirteen steps, so a round takes 6.5 seconds.
class BoxPollCycle {
public:
    static constexpr int kSteps = 13;

    // Moves to the next step (the first call gives step 1) and returns its command; empty on
    // the steps that ask nothing.
    std::string_view Next();
    int Step() const { return step; }

private:
    int step = 0;
};

}  // namespace rovik
