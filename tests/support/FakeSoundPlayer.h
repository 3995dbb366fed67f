#pragma once

#include <string>
#include <vector>

#include "platform/SoundPlayer.h"

namespace rovik::test {

// A player whose sound lasts a set number of alarm passes and which refuses one file as if it
// could not be played. It records what it started.
class FakeSoundPlayer : public SoundPlayer {
public:
    bool Start(const std::string& path) override {
        if (IsPlaying() || path == unplayable) {
            return false;
        }
        started.push_back(path);
        passesLeft = soundPasses;
        return true;
    }
    bool IsPlaying() const override { return passesLeft > 0; }
    // Called after each pass: the sound plays on for its passes.
    void PassEnded() { passesLeft -= passesLeft > 0 ? 1 : 0; }

    int soundPasses = 0;
    int passesLeft = 0;
    std::string unplayable;
    std::vector<std::string> started;
};

}  // namespace rovik::test
