#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>

#include "core/alarms/ParameterValue.h"
#include "core/alarms/TextMessage.h"

namespace rovik {

// The text messages, kept in MESSAGE.DAT, checked once a second and shown by the message
// box panels. Used on the interface thread only.
class MessageTable {
public:
    static constexpr const char* kFileName = "MESSAGE.DAT";
    // The file's count is one byte.
    static constexpr std::size_t kMaxSaved = 255;

    explicit MessageTable(std::string path = kFileName) : path(std::move(path)) {}

    // Replaces the list with the file's messages; a file that cannot be read gives none.
    void Load();
    // Writes the whole list; false, with the old file kept whole, when it cannot be written.
    bool Save() const;

    // Checks every message in list order.
    void Pass(const ParameterValue& valueOf);
    // Counts every change of what the panels show: a message that became active or
    // inactive, and every edit of the list. Each panel keeps the count it last showed, so
    // that every panel sees each change.
    std::uint64_t Changes() const { return changes; }
    // After an edit of the list or of a message in it.
    void Edited() { ++changes; }

    // New messages go to the front.
    TextMessage& AddFront(const TextMessage& message);
    void Remove(const TextMessage& message);
    // Whether the file could keep no more messages.
    bool IsFull() const { return messages.size() >= kMaxSaved; }
    std::list<TextMessage>& Messages() { return messages; }
    const std::list<TextMessage>& Messages() const { return messages; }

private:
    std::string path;
    std::list<TextMessage> messages;
    std::uint64_t changes = 0;
};

}  // namespace rovik
