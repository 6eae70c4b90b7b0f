#include "interruption.h"

#include <csignal>

#include <pthread.h>

namespace quillmark::cli {

namespace {

volatile std::sig_atomic_t Received = 0;

extern "C" void OnSignal(int Number) {
    if (Received != 0) {
        // Asked twice: stop now; the next run sweeps what this one leaves.
        std::signal(Number, SIG_DFL);
        std::raise(Number);
        return;
    }
    Received = Number;
}

sigset_t Interrupting() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

} // namespace

TInterruption::TInterruption() {
    // No SA_RESTART: a read waiting for input returns, and the reader sees the signal.
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &savedInterrupt_);
    sigaction(SIGTERM, &action, &savedTerminate_);
}

TInterruption::~TInterruption() {
    sigaction(SIGINT, &savedInterrupt_, nullptr);
    sigaction(SIGTERM, &savedTerminate_, nullptr);
}

int TInterruption::Signal() {
    return Received;
}

TSignalsHeld::TSignalsHeld() {
    const sigset_t set = Interrupting();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

TSignalsHeld::~TSignalsHeld() {
    const sigset_t set = Interrupting();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

} // namespace quillmark::cli
