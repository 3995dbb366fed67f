#pragma once

#include "FileFormats.h"
#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

// A panel record written and read back. Whole records round-trip and survive a cut in the
// shared file-format tests; the record tests look at layouts and older or damaged records.
namespace rovik::test {
template <class Record>
Bytes Written(const Record& record) {
    ByteWriter writer;
    record.Write(writer);
    return writer.Bytes();
}

// The record the bytes hold after the kind code, and how many of the bytes it took.
template <class Record>
std::pair<Record, std::size_t> ReadBack(const Bytes& bytes) {
    ByteReader reader(bytes);
    reader.Skip(1);
    Record record;
    EXPECT_TRUE(record.Read(reader));
    return {record, reader.Position()};
}
}  // namespace rovik::test
