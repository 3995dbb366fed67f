#include "SourceFile.h"

#include <fstream>

#include "SourceError.h"

namespace {
bool SaysNothing(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t\r");
    return first == std::string::npos || text[first] == '#';
}
}  // namespace

SourceFile::SourceFile(std::string sourcePath) : path(std::move(sourcePath)) {
    std::ifstream in(path);
    if (!in) {
        Fail(0, "cannot be read");
    }
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        if (!SaysNothing(text)) {
            lines.push_back({number, text});
        }
    }
}

void SourceFile::Fail(int line, const std::string& reason) const {
    std::string where = line > 0 ? path + ":" + std::to_string(line) : path;
    throw SourceError(where + ": " + reason);
}
