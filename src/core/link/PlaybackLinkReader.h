#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "core/link/LinkReader.h"

namespace rovik {

// A link that replays a raw log in place of a live box, at most 50 bytes a pass (about the
// live link's pace). Binary recordings are framed as binary, the others as text lines. Nothing
// is sent and nothing is recorded: bytes queued for the box are dropped. Threads as for
// LinkReader; the file is only touched under transportMutex.
class PlaybackLinkReader : public LinkReader {
public:
    explicit PlaybackLinkReader(const std::string& blockName = kSharedBlockName);
    ~PlaybackLinkReader() override;

    // (Re)opens the recording at its beginning.
    void Open() override;
    void Close() override;
    void ReceivePass() override;
    // A failed recording (missing, or overrun by what it holds) starts again from its
    // beginning, whatever the connection type.
    void ReopenWhenFailed() override;
    void SendOneQueuedByte() override;

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> recording;
};

}  // namespace rovik
