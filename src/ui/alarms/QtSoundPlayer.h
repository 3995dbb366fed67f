#pragma once

#include <QString>
#include <memory>
#include <string>

#include "platform/SoundPlayer.h"

class QSoundEffect;

namespace rovik {

// Plays WAV files on the machine's default sound output through Qt Multimedia. A machine
// with no sound output, a file that is missing, is no WAV file or is too big to be an alarm
// sound, all make no sound: the start is refused at once and nothing waits.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    bool Start(const std::string& path) override;
    bool IsPlaying() const override;

    // The file a name stands for: as given when it exists, else beside the program, where
    // the supplied sounds are.
    static QString Locate(const std::string& path);
    // Whether the file looks like a WAV file small enough to load.
    static bool IsPlayableWave(const QString& file);

private:
    std::unique_ptr<QSoundEffect> effect;
};

}  // namespace rovik
