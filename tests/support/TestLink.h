#pragma once

#include <memory>
#include <string>

#include "core/link/BoxSource.h"
#include "core/link/BoxState.h"
#include "core/link/LinkReader.h"
#include "core/link/LiveValues.h"
#include "core/link/RecordingSource.h"

namespace rovik::test {

// A link with the values and the box state it fills, put together as the dashboard does.
struct TestLink {
    explicit TestLink(const std::string& blockName, bool recording = false)
        : values(blockName),
          link(recording ? std::unique_ptr<LinkSource>(std::make_unique<RecordingSource>())
                         : std::make_unique<BoxSource>(),
               values, box) {}

    LiveValues values;
    BoxState box;
    LinkReader link;
};

}  // namespace rovik::test
