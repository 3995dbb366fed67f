#pragma once

namespace rovik {

// Turns the signals that ask a program to end (SIGTERM at shutdown or from kill, SIGINT from
// Ctrl+C, SIGHUP at logout) into a byte on a pipe, so the event loop can end the program in
// order instead of the system ending it at once. One object at a time in a process. Each
// handler is reset once it has run, so a second signal of a kind ends a program whose
// orderly exit hangs.
class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Readable once a signal came; -1 when no pipe could be made (the signals then keep
    // their usual effect).
    int Descriptor() const { return readEnd; }
    // Empties the pipe, so the descriptor waits for the next signal.
    void Clear();

private:
    int readEnd = -1;
    int writeEnd = -1;
};

}  // namespace rovik
