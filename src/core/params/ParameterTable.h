#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/params/Parameter.h"

namespace rovik {

// The ordered list of displayable parameters, kept in PARAMTRS.DAT. Used on the interface
// thread only. Holders keep PID numbers or names, not pointers, since Reload replaces every
// entry.
class ParameterTable {
public:
    static constexpr const char* kFileName = "PARAMTRS.DAT";
    // The file's count is one byte, so it holds this many entries at most.
    static constexpr std::size_t kMaxSaved = 255;

    enum class LoadResult { Loaded, FileMissing };

    explicit ParameterTable(std::string path = kFileName) : path(std::move(path)) {}

    // Appends the file's records; the table then holds at least the default parameter.
    // A file that ends inside a record keeps the complete records before it.
    LoadResult Load();
    // Writes the first kMaxSaved entries; false when the file could not be written.
    bool Save() const;
    // Drops every entry and loads the file again. A file that cannot be read leaves the
    // table as it is, rather than down to the default parameter.
    LoadResult Reload();

    // The first entry with this PID (or name); the last entry when none has it, and nullptr
    // only when the table is empty.
    Parameter* FindByPid(unsigned pid) const;
    Parameter* FindByName(const std::string& name) const;
    bool IsDefined(unsigned pid) const;
    void Append(std::unique_ptr<Parameter> parameter);
    // Removes and deletes the first entry with this name; false when none has it.
    bool RemoveFirstNamed(const std::string& name);
    void Clear() { entries.clear(); }
    // Whether the file could keep no more entries: the dialogs refuse to add one then, so
    // nothing the user adds is silently left out of the file.
    bool IsFull() const { return entries.size() >= kMaxSaved; }

    std::size_t Size() const { return entries.size(); }
    Parameter& At(std::size_t index) const { return *entries[index]; }

private:
    // Appends the records the bytes hold, or the default parameter when they hold none.
    void ReadRecords(const std::vector<std::uint8_t>& bytes);

    std::string path;
    std::vector<std::unique_ptr<Parameter>> entries;
};

}  // namespace rovik
