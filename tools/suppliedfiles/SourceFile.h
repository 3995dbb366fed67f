#pragma once

#include <string>
#include <vector>

// The lines of a text file that say something: blank lines and lines whose first visible
// character is '#' are left out, and each line keeps its number for the error messages.
class SourceFile {
public:
    struct Line {
        int number = 0;
        std::string text;
    };

    // Throws SourceError when the file cannot be read.
    explicit SourceFile(std::string path);

    const std::vector<Line>& Lines() const { return lines; }
    // Throws a SourceError that names this file and line; line 0 stands for the whole file.
    [[noreturn]] void Fail(int line, const std::string& reason) const;

private:
    std::string path;
    std::vector<Line> lines;
};
