#include "core/params/ParameterTable.h"

#include <algorithm>

#include "core/io/AtomicFile.h"
#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

namespace rovik {

ParameterTable::LoadResult ParameterTable::Load() {
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    ReadRecords(bytes.value_or(std::vector<std::uint8_t>()));
    return bytes ? LoadResult::Loaded : LoadResult::FileMissing;
}

void ParameterTable::ReadRecords(const std::vector<std::uint8_t>& bytes) {
    ByteReader reader(bytes);
    std::uint8_t count = 0;
    reader.ReadU8(count);
    for (int i = 0; i < count; ++i) {
        auto parameter = std::make_unique<Parameter>();
        if (!parameter->Read(reader)) {
            break;
        }
        Append(std::move(parameter));
    }
    if (entries.empty()) {
        Append(std::make_unique<Parameter>());
    }
}

bool ParameterTable::Save() const {
    std::size_t saved = std::min(entries.size(), kMaxSaved);
    ByteWriter writer;
    writer.WriteU8(static_cast<std::uint8_t>(saved));
    for (std::size_t i = 0; i < saved; ++i) {
        entries[i]->Write(writer);
    }
    return AtomicFile::Write(path, writer.Bytes());
}

ParameterTable::LoadResult ParameterTable::Reload() {
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    if (!bytes) {
        return LoadResult::FileMissing;
    }
    Clear();
    ReadRecords(*bytes);
    return LoadResult::Loaded;
}

Parameter* ParameterTable::FindByPid(unsigned pid) const {
    for (const auto& entry : entries) {
        if (entry->pid == pid) {
            return entry.get();
        }
    }
    return entries.empty() ? nullptr : entries.back().get();
}

Parameter* ParameterTable::FindByName(const std::string& name) const {
    for (const auto& entry : entries) {
        if (entry->name == name) {
            return entry.get();
        }
    }
    return entries.empty() ? nullptr : entries.back().get();
}

bool ParameterTable::IsDefined(unsigned pid) const {
    return std::any_of(entries.begin(), entries.end(),
                       [pid](const auto& entry) { return entry->pid == pid; });
}

bool ParameterTable::RemoveFirstNamed(const std::string& name) {
    auto found = std::find_if(entries.begin(), entries.end(),
                              [&name](const auto& entry) { return entry->name == name; });
    if (found == entries.end()) {
        return false;
    }
    entries.erase(found);
    return true;
}

void ParameterTable::Append(std::unique_ptr<Parameter> parameter) {
    entries.push_back(std::move(parameter));
}

}  // namespace rovik
