#pragma once

#include "core/link/LinkSource.h"

namespace rovik {

// A raw log replayed in place of a box, at most 50 bytes a pass (about the live link's
// pace). The port name is the recording's path; anything sent to it is dropped.
class RecordingSource : public LinkSource {
public:
    std::unique_ptr<Transport> Open(const Endpoint& endpoint, const StatusReport& report) override;
    bool IsLive() const override { return false; }
    std::size_t ReadSize() const override { return kReadSize; }

private:
    static constexpr std::size_t kReadSize = 50;
};

}  // namespace rovik
