#include "core/diag/DiagnosticHistory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/io/AtomicFile.h"

namespace rovik {

namespace {
const std::string kLineEnd = "\r\n";

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            // Nothing written and no error means no room.
            errno = written == 0 ? ENOSPC : errno;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// True when the file ends inside a line, as after a note typed without a final line end.
bool EndsMidLine(int fd, off_t size) {
    char last = '\n';
    return size > 0 && ::pread(fd, &last, 1, size - 1) == 1 && last != '\n';
}

std::string Reason(const char* doing) {
    return std::string(doing) + ": " + std::strerror(errno);
}
}  // namespace

const std::string DiagnosticHistory::kHeader =
    "Diagnostic History File" + kLineEnd +
    "Feel free to add notes to this file, but do not move or delete." + kLineEnd +
    "SRC TPE  ID MD COMPONENT                      MODE             MM/DD/YY HH:MM" + kLineEnd +
    std::string(77, '=') + kLineEnd;

bool DiagnosticHistory::CreateIfMissing() {
    std::lock_guard lock(mutex);
    return CreateWithHeader();
}

// Never replaces a file that is there, and removes a new one whose header could not be
// written whole.
bool DiagnosticHistory::CreateWithHeader() {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return errno == EEXIST;
    }
    bool written = WriteAll(fd, kHeader);
    written = ::close(fd) == 0 && written;
    if (!written) {
        ::unlink(path.c_str());
    }
    return written;
}

bool DiagnosticHistory::Clear() {
    std::lock_guard lock(mutex);
    return AtomicFile::Write(path, std::vector<std::uint8_t>(kHeader.begin(), kHeader.end()));
}

std::string DiagnosticHistory::Append(const std::string& line) {
    std::lock_guard lock(mutex);
    int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT && CreateWithHeader()) {
        fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
    }
    if (fd < 0) {
        return Reason("cannot open it");
    }
    struct stat before {};
    if (::fstat(fd, &before) != 0) {
        std::string reason = Reason("cannot read its size");
        ::close(fd);
        return reason;
    }
    std::string text = (EndsMidLine(fd, before.st_size) ? kLineEnd : "") + line + kLineEnd;
    std::string reason;
    if (!WriteAll(fd, text)) {
        reason = Reason("cannot write to it");
        // Half a line would run into the next one; take it back.
        if (::ftruncate(fd, before.st_size) != 0) {
            reason += "; part of the line may be left in it";
        }
    }
    if (::close(fd) != 0 && reason.empty()) {
        reason = Reason("cannot write to it");
    }
    return reason;
}

}  // namespace rovik
