#pragma once

#include <mutex>
#include <string>

namespace rovik {

// DIAGNOSTICS.TXT: a text header, then one line per active fault, each ended by CR LF. The
// program only ever appends to it, so notes the user adds by hand stay.
// Threads: the receive thread appends while the interface thread may create or clear the
// file; one lock keeps those apart.
class DiagnosticHistory {
public:
    static constexpr const char* kFileName = "DIAGNOSTICS.TXT";
    // The four header lines with their line ends.
    static const std::string kHeader;

    explicit DiagnosticHistory(std::string path = kFileName) : path(std::move(path)) {}

    // Creates the file with only its header unless it exists. False when it had to be
    // created and could not be.
    bool CreateIfMissing();
    // Replaces the file by one holding only its header; false (the old file untouched) when
    // that fails.
    bool Clear();
    // Adds the line and its CR LF at the end, on a line of its own, creating the file with its
    // header first when it has gone. A write that fails leaves the file as it was. Returns
    // the reason it failed, or an empty text.
    std::string Append(const std::string& line);

    const std::string& Path() const { return path; }

private:
    bool CreateWithHeader();

    std::mutex mutex;
    std::string path;
};

}  // namespace rovik
