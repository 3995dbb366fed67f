#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

namespace rovik {

// A file of one count byte and that many records, each starting with a marker byte. Record
// has Read (false when the bytes end inside it) and Write.
template <typename Record>
struct CountedRecords {
    static constexpr std::size_t kMaxCount = 255;
    static constexpr std::uint8_t kMarker = '*';

    // The whole records the bytes hold, up to the count: a count that promises more than
    // the file holds keeps the records before the end, and a cut record is dropped.
    static std::list<Record> FromBytes(const std::vector<std::uint8_t>& bytes) {
        ByteReader reader(bytes);
        std::list<Record> records;
        std::uint8_t count = 0;
        reader.ReadU8(count);
        for (std::size_t i = 0; i < count; ++i) {
            Record record;
            std::uint8_t marker = 0;
            if (!reader.ReadU8(marker) || !record.Read(reader)) {
                break;
            }
            records.push_back(std::move(record));
        }
        return records;
    }

    // The first kMaxCount records, all the count byte can tell.
    static std::vector<std::uint8_t> ToBytes(const std::list<Record>& records) {
        ByteWriter writer;
        const std::size_t count = records.size() < kMaxCount ? records.size() : kMaxCount;
        writer.WriteU8(static_cast<std::uint8_t>(count));
        auto record = records.begin();
        for (std::size_t i = 0; i < count; ++i, ++record) {
            writer.WriteU8(kMarker);
            record->Write(writer);
        }
        return writer.Bytes();
    }
};

}  // namespace rovik
