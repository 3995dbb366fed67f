#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace rovik::test {

// Runs a body in a process of its own, as a second program would run beside the test. The
// child can say it is ready and wait for the test's word to finish; one that runs longer
// than its time is ended by an alarm, so a child that blocks fails the test instead of
// holding it.
class ChildProcess {
public:
    using Body = std::function<int(ChildProcess&)>;

    explicit ChildProcess(const Body& body, unsigned seconds = 20) {
        if (::pipe(toTest) != 0 || ::pipe(toChild) != 0) {
            return;
        }
        pid = ::fork();
        if (pid == 0) {
            ::alarm(seconds);
            ::close(toTest[0]);
            ::close(toChild[1]);
            ::_exit(body(*this));
        }
        ::close(toTest[1]);
        ::close(toChild[0]);
    }
    ~ChildProcess() {
        if (pid > 0 && !waited) {
            ::kill(pid, SIGKILL);
            Wait();
        }
        for (int end : {toTest[0], toChild[1]}) {
            if (end >= 0) {
                ::close(end);
            }
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // In the child.
    void SayReady() { (void)!::write(toTest[1], "r", 1); }
    void AwaitFinish() {
        char word;
        (void)!::read(toChild[0], &word, 1);
    }

    // In the test: false when the child ended without saying it was ready.
    bool AwaitReady() {
        char word;
        return pid > 0 && ::read(toTest[0], &word, 1) == 1;
    }
    void Finish() { (void)!::write(toChild[1], "f", 1); }
    void Signal(int signal) { ::kill(pid, signal); }
    // The child's exit status, or -1 when a signal (its alarm) ended it.
    int Wait() {
        int status = 0;
        waited = true;
        if (pid <= 0 || ::waitpid(pid, &status, 0) != pid) {
            return -1;
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    int toTest[2] = {-1, -1};
    int toChild[2] = {-1, -1};
    pid_t pid = -1;
    bool waited = false;
};

}  // namespace rovik::test
