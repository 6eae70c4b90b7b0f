// Ctrl-C and SIGTERM during a batch: the batch stops after the lines being drawn, so that
// no temporary file stays behind; a second signal ends the program at once.
#pragma once

#include <signal.h>

namespace quillmark::cli {

class TInterruption {
public:
    // Catches SIGINT and SIGTERM until destroyed.
    TInterruption();
    ~TInterruption();
    TInterruption(const TInterruption&) = delete;
    TInterruption& operator=(const TInterruption&) = delete;

    // The signal received, or 0.
    static int Signal();

private:
    struct sigaction savedInterrupt_ {};
    struct sigaction savedTerminate_ {};
};

// Keeps SIGINT and SIGTERM from the threads started while it lives, so that the signal
// reaches the thread that reads the input and stops it.
class TSignalsHeld {
public:
    TSignalsHeld();
    ~TSignalsHeld();
    TSignalsHeld(const TSignalsHeld&) = delete;
    TSignalsHeld& operator=(const TSignalsHeld&) = delete;
};

} // namespace quillmark::cli
