#pragma once

#include <string>

namespace rovik {

// Plays sound files without waiting for them, one at a time. The alarms reach the machine's
// sound output through this alone, so tests can put a player of their own behind it.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Starts playing the WAV file and returns at once. False when nothing started: a sound
    // is still playing (it is never cut short), or the file cannot be played, which makes no
    // sound at all rather than a default one.
    virtual bool Start(const std::string& path) = 0;
    virtual bool IsPlaying() const = 0;
};

}  // namespace rovik
