#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "core/link/LinkReader.h"

namespace rovik {

// A link that replays a raw log in place of a live box, at most 50 bytes a pass (about the
// live link's pace). Nothing is sent: bytes queued for the box are dropped. Threads as for
// LinkReader; the file is only touched under transportMutex.
class PlaybackLinkReader : public LinkReader {
public:
    using LinkReader::LinkReader;
    ~PlaybackLinkReader() override;

    // (Re)opens the recording at its beginning.
    void Open() override;
    void Close() override;
    void ReceivePass() override;
    void SendOneQueuedByte() override;

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> recording;
};

}  // namespace rovik
