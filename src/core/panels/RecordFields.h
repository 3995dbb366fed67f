#pragma once

#include "core/panels/TextAlignment.h"

namespace rovik {

class ByteReader;

// Reads of the 32-bit fields that many panel records share. Each leaves its target as it
// was when the file does not hold the whole field.
struct RecordFields {
    // Any value but 0 is set.
    static bool ReadFlag(ByteReader& reader, bool& flag);
    // A value the program does not know reads as Left.
    static bool ReadAlignment(ByteReader& reader, TextAlignment& alignment);
};

}  // namespace rovik
