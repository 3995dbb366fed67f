#pragma once

#include <cstddef>
#include <string>

namespace rovik {

// A named block of POSIX shared memory that other processes can map by name. The creator
// holds a lock on it for its whole life, so a second running instance can be told apart
// from a block that a crashed instance left behind: the second instance maps nothing and
// reports kAlreadyExists, a left-behind block is taken over.
class SharedMemory {
public:
    // The code reported when another running instance already holds the block.
    static constexpr int kAlreadyExists = 183;

    SharedMemory(const std::string& name, std::size_t size);
    ~SharedMemory();
    SharedMemory(const SharedMemory&) = delete;
    SharedMemory& operator=(const SharedMemory&) = delete;

    // The mapped bytes, or nullptr when the block could not be mapped or is another
    // instance's.
    void* Data() const { return data; }
    // 0, kAlreadyExists, or the system's error number from creating the block.
    int CreateError() const { return createError; }
    // 0, or the system's error number from mapping the block.
    int MapError() const { return mapError; }

private:
    bool OpenAndLock();
    void Map();

    std::string name;
    std::size_t size;
    int fd = -1;
    bool owner = false;
    void* data = nullptr;
    int createError = 0;
    int mapError = 0;
};

}  // namespace rovik
