#pragma once

#include <cstddef>
#include <list>
#include <string>

#include "core/alarms/Alarm.h"
#include "core/alarms/ParameterValue.h"

namespace rovik {

class SoundPlayer;

// The audible alarms, kept in ALARMS.DAT, and the player's turn among them: once a second
// every alarm is checked and at most one sound is started, the alarms whose sound is due
// taking turns in list order. Used on the interface thread only.
class AlarmTable {
public:
    static constexpr const char* kFileName = "ALARMS.DAT";
    // The file's count is one byte.
    static constexpr std::size_t kMaxSaved = 255;

    explicit AlarmTable(std::string path = kFileName) : path(std::move(path)) {}

    // Replaces the list with the file's alarms; a file that cannot be read gives none. The
    // first alarm's turn comes first.
    void Load();
    // Writes the whole list; false, with the old file kept whole, when it cannot be written.
    bool Save() const;

    // Checks every alarm, then starts the sound whose turn it is. A start the player refuses
    // while another sound plays is tried again at the next pass; a sound that cannot be
    // played at all is given up, so that it does not keep the other alarms waiting.
    void Pass(const ParameterValue& valueOf, SoundPlayer& player);

    // Keeps the passes away while an alarm is being deleted.
    void Suspend() { suspended = true; }
    // Passes go on, starting the turns afresh from the front of the list.
    void Resume();

    // New alarms go to the front.
    Alarm& AddFront(const Alarm& alarm);
    // Removes the alarm; only while suspended, since the turn may be on it.
    void Remove(const Alarm& alarm);
    // Whether the file could keep no more alarms.
    bool IsFull() const { return alarms.size() >= kMaxSaved; }
    std::list<Alarm>& Alarms() { return alarms; }
    const std::list<Alarm>& Alarms() const { return alarms; }

private:
    using Position = std::list<Alarm>::iterator;

    void StartTurns();
    // Moves the turn to the next alarm whose sound is due, or keeps it where it is.
    void Advance();

    std::string path;
    std::list<Alarm> alarms;
    bool suspended = false;
    // The alarm whose turn it is, end() for none; the scan goes on from next, end() meaning
    // the front.
    Position current = alarms.end();
    Position next = alarms.end();
};

}  // namespace rovik
