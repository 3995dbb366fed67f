#include "core/alarms/MessageTable.h"

#include "core/alarms/CountedRecords.h"
#include "core/io/AtomicFile.h"

namespace rovik {

void MessageTable::Load() {
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    messages = bytes ? CountedRecords<TextMessage>::FromBytes(*bytes) : std::list<TextMessage>();
    Edited();
}

bool MessageTable::Save() const {
    return AtomicFile::Write(path, CountedRecords<TextMessage>::ToBytes(messages));
}

void MessageTable::Pass(const ParameterValue& valueOf) {
    for (TextMessage& message : messages) {
        if (message.Check(valueOf(message.pid))) {
            ++changes;
        }
    }
}

TextMessage& MessageTable::AddFront(const TextMessage& message) {
    messages.push_front(message);
    Edited();
    return messages.front();
}

void MessageTable::Remove(const TextMessage& message) {
    messages.remove_if([&message](const TextMessage& each) { return &each == &message; });
    Edited();
}

}  // namespace rovik
