#include "platform/ThreadPriority.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <thread>

namespace rovik {
namespace {

int PriorityOf(pid_t thread) {
    return ::getpriority(PRIO_PROCESS, static_cast<id_t>(thread));
}

TEST(ThreadPriorityTest, OnlyTheCallingThreadIsLowered) {
    const int before = PriorityOf(::gettid());
    int lowered = before;
    std::thread worker([&] {
        ThreadPriority::LowerCallingThread();
        lowered = PriorityOf(::gettid());
    });
    worker.join();
    EXPECT_EQ(lowered, 19);
    EXPECT_EQ(PriorityOf(::gettid()), before) << "the window's thread keeps its priority";
}

}  // namespace
}  // namespace rovik
