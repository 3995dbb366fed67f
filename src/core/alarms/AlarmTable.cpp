#include "core/alarms/AlarmTable.h"

#include <iterator>

#include "core/alarms/CountedRecords.h"
#include "core/io/AtomicFile.h"
#include "platform/SoundPlayer.h"

namespace rovik {

void AlarmTable::Load() {
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    alarms = bytes ? CountedRecords<Alarm>::FromBytes(*bytes) : std::list<Alarm>();
    suspended = false;
    current = alarms.begin();
    next = current == alarms.end() ? current : std::next(current);
}

bool AlarmTable::Save() const {
    return AtomicFile::Write(path, CountedRecords<Alarm>::ToBytes(alarms));
}

void AlarmTable::Resume() {
    suspended = false;
    current = alarms.end();
    next = alarms.begin();
}

Alarm& AlarmTable::AddFront(const Alarm& alarm) {
    alarms.push_front(alarm);
    return alarms.front();
}

void AlarmTable::Remove(const Alarm& alarm) {
    alarms.remove_if([&alarm](const Alarm& each) { return &each == &alarm; });
}

void AlarmTable::Pass(const ParameterValue& valueOf, SoundPlayer& player) {
    if (suspended || alarms.empty()) {
        return;
    }
    for (Alarm& alarm : alarms) {
        alarm.Check(valueOf(alarm.pid));
    }
    if (current == alarms.end()) {
        StartTurns();
    }
    if (!current->PlayRequested()) {
        Advance();
    }
    if (!current->PlayRequested()) {
        return;
    }
    if (player.Start(current->soundFile) || !player.IsPlaying()) {
        current->ClearPlayRequest();
        Advance();
    }
}

void AlarmTable::StartTurns() {
    current = std::prev(alarms.end());
    next = alarms.begin();
}

void AlarmTable::Advance() {
    Position taken;
    do {
        taken = next == alarms.end() ? alarms.begin() : next;
        next = std::next(taken);
    } while (!taken->PlayRequested() && taken != current);
    current = taken;
}

}  // namespace rovik
