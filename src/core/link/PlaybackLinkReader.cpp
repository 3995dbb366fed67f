#include "core/link/PlaybackLinkReader.h"

namespace rovik {

namespace {
constexpr std::size_t kBytesPerPass = 50;
}

PlaybackLinkReader::PlaybackLinkReader(const std::string& blockName) : LinkReader(blockName) {
    RawLogging().SetFileName("");
    Framer().SetHighByteClearsLine(true);
}

PlaybackLinkReader::~PlaybackLinkReader() {
    PlaybackLinkReader::Close();
}

void PlaybackLinkReader::Open() {
    std::lock_guard lock(transportMutex);
    ResetStreamCounts();
    recording.reset(std::fopen(GetPortName().c_str(), "rb"));
    open = recording != nullptr;
    SetStatus(open ? LinkStatus::Starting : LinkStatus::PortFailure);
}

void PlaybackLinkReader::Close() {
    std::lock_guard lock(transportMutex);
    recording.reset();
    open = false;
}

void PlaybackLinkReader::ReceivePass() {
    std::lock_guard lock(transportMutex);
    if (!recording) {
        SetStatus(LinkStatus::PortFailure);
    } else if (std::size_t count = std::fread(readBuffer, 1, kBytesPerPass, recording.get())) {
        SetStatus(Frame(count) ? LinkStatus::PortFailure : LinkStatus::Ok);
    }
    UpdateAverages();
}

void PlaybackLinkReader::ReopenWhenFailed() {
    if (GetStatus() == static_cast<std::uint32_t>(LinkStatus::PortFailure)) {
        Open();
    }
}

void PlaybackLinkReader::SendOneQueuedByte() {
    // A recording cannot take commands; the byte is dropped so the ring never fills.
    transmitRing.Advance();
}

}  // namespace rovik
