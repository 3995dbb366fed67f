#include "platform/FileDescriptor.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace rovik {
namespace {

using namespace std::chrono_literals;

// Installs a SIGUSR1 handler without SA_RESTART, so the signal breaks off a blocked read or
// write (EINTR, or a short write) as a signal from elsewhere in a program may.
class InterruptingSignal : public ::testing::Test {
protected:
    void SetUp() override {
        struct sigaction interrupting {};
        interrupting.sa_handler = [](int) {};
        ::sigaction(SIGUSR1, &interrupting, &previous);
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        reader = FileDescriptor(ends[0]);
        writer = FileDescriptor(ends[1]);
    }
    void TearDown() override { ::sigaction(SIGUSR1, &previous, nullptr); }

    // Gives the other thread time to block, then interrupts it.
    static void Interrupt(pthread_t thread) {
        std::this_thread::sleep_for(20ms);
        ::pthread_kill(thread, SIGUSR1);
        std::this_thread::sleep_for(20ms);
    }

    struct sigaction previous {};
    FileDescriptor reader;
    FileDescriptor writer;
};

TEST_F(InterruptingSignal, AReadCarriesOnUntilItHasEveryByte) {
    const std::string sent = "abc";
    pthread_t blocked = ::pthread_self();
    std::thread feeder([&] {
        for (char byte : sent) {
            Interrupt(blocked);
            ASSERT_FALSE(writer.WriteAll(&byte, 1));
        }
        writer.Close();
    });
    std::string got(8, '\0');
    std::size_t count = 0;
    std::error_code error = reader.Read(got.data(), got.size(), count);
    feeder.join();
    EXPECT_FALSE(error) << error.message();
    EXPECT_EQ(got.substr(0, count), sent);
}

TEST_F(InterruptingSignal, AWriteCarriesOnUntilEveryByteIsOut) {
    // Several times what a pipe holds, so the write blocks again and again.
    std::string sent(256 * 1024, '\0');
    for (std::size_t i = 0; i < sent.size(); ++i) {
        sent[i] = static_cast<char>(i * 13 + i / 4096);
    }
    pthread_t blocked = ::pthread_self();
    std::string got;
    std::thread drainer([&] {
        char chunk[65536];
        while (got.size() < sent.size()) {
            // The first signal cuts a write short, the second finds one that wrote nothing.
            Interrupt(blocked);
            Interrupt(blocked);
            ssize_t count = ::read(reader.Get(), chunk, sizeof chunk);
            ASSERT_GT(count, 0);
            got.append(chunk, static_cast<std::size_t>(count));
        }
    });
    std::error_code error = writer.WriteAll(sent.data(), sent.size());
    writer.Close();
    drainer.join();
    EXPECT_FALSE(error) << error.message();
    EXPECT_TRUE(got == sent);
}

}  // namespace
}  // namespace rovik
