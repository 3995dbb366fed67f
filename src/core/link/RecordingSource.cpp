#include "core/link/RecordingSource.h"

#include "platform/RecordingFile.h"

namespace rovik {

std::unique_ptr<Transport> RecordingSource::Open(const Endpoint& endpoint,
                                                 const StatusReport& report) {
    auto file = std::make_unique<RecordingFile>();
    if (!file->Open(endpoint.portName)) {
        report(LinkStatus::PortFailure);
        return nullptr;
    }
    report(LinkStatus::Starting);
    return file;
}

}  // namespace rovik
