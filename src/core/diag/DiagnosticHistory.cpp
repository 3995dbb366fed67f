#include "core/diag/DiagnosticHistory.h"

#include <system_error>
#include <vector>

#include "core/io/AtomicFile.h"
#include "platform/AppendFile.h"
#include "platform/FileSystem.h"

namespace rovik {

namespace {
const std::string kLineEnd = "\r\n";

std::string Reason(const char* doing, std::error_code error) {
    return std::string(doing) + ": " + error.message();
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
    std::error_code error = FileSystem::CreateNew(path, kHeader);
    return !error || error == std::errc::file_exists;
}

bool DiagnosticHistory::Clear() {
    std::lock_guard lock(mutex);
    return AtomicFile::Write(path, std::vector<std::uint8_t>(kHeader.begin(), kHeader.end()));
}

std::string DiagnosticHistory::Append(const std::string& line) {
    std::lock_guard lock(mutex);
    AppendFile file;
    std::error_code error = file.Open(path);
    if (error == std::errc::no_such_file_or_directory && CreateWithHeader()) {
        error = file.Open(path);
    }
    if (error) {
        return Reason("cannot open it", error);
    }
    // A note typed without a final line end would run into the new line.
    bool midLine = file.LastByte().value_or('\n') != '\n';
    std::string text = (midLine ? kLineEnd : "") + line + kLineEnd;
    std::string reason;
    error = file.Write(text);
    if (error) {
        reason = Reason("cannot write to it", error);
        // Half a line would run into the next one; take it back.
        if (!file.TakeBack()) {
            reason += "; part of the line may be left in it";
        }
    }
    error = file.Close();
    if (error && reason.empty()) {
        reason = Reason("cannot write to it", error);
    }
    return reason;
}

}  // namespace rovik
