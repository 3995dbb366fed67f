#pragma once

#include <cstddef>
#include <string>

#include "core/panels/PanelRecord.h"

namespace rovik {

// The screen-file record of a picture panel: the path of the bitmap it shows, in the
// system's encoding. The path is kept even when the file is gone, so the picture comes
// back when the file does.
struct PictureRecord : PanelRecord {
    // The path's length is kept in one byte.
    static constexpr std::size_t kMaxPathLength = 255;

    PictureRecord() { kind = PanelKind::kPicture; }

    // Reads what follows the kind code; fields not held whole keep their values.
    bool Read(ByteReader& reader);
    // Writes at most kMaxPathLength characters of the path.
    void Write(ByteWriter& writer) const;

    bool operator==(const PictureRecord&) const = default;

    // Empty for no picture.
    std::string path;
};

}  // namespace rovik
