#include "platform/SharedMemory.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace rovik {

SharedMemory::SharedMemory(const std::string& blockName, std::size_t blockSize)
    : name(blockName), size(blockSize) {
    if (OpenAndLock()) {
        Map();
    }
}

SharedMemory::~SharedMemory() {
    if (data) {
        ::munmap(data, size);
    }
    if (owner) {
        ::shm_unlink(name.c_str());
    }
    if (fd >= 0) {
        ::close(fd);
    }
}

bool SharedMemory::OpenAndLock() {
    fd = ::shm_open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        createError = errno;
        return false;
    }
    // The lock dies with its process, so only a live instance can hold it. The block of a
    // live instance is its own: this one is not mapped, so nothing here can clear or
    // overwrite it.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        createError = errno == EWOULDBLOCK ? kAlreadyExists : errno;
        ::close(std::exchange(fd, -1));
        return false;
    }
    owner = true;
    if (::ftruncate(fd, static_cast<off_t>(size)) != 0) {
        createError = errno;
        return false;
    }
    return true;
}

void SharedMemory::Map() {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || status.st_size < static_cast<off_t>(size)) {
        mapError = EINVAL;
        return;
    }
    void* mapped = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (mapped == MAP_FAILED) {
        mapError = errno;
        return;
    }
    data = mapped;
}

}  // namespace rovik
