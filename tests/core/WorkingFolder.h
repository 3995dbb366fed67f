#pragma once

#include <filesystem>

// Makes a folder the working folder for as long as it lives.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& path)
        : previous(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~WorkingFolder() { std::filesystem::current_path(previous); }

private:
    std::filesystem::path previous;
};
