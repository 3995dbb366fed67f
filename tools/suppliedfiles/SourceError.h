#pragma once

#include <stdexcept>

// A fault in a source text, worded "path:line: reason" as compilers word theirs.
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
