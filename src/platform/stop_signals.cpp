#include "platform/stop_signals.h"

#include <signal.h>

#include <cerrno>
#include <ctime>
#include <initializer_list>

namespace {

sigset_t StopSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, signal);
    return set;
}

}  // namespace

StopSignals::StopSignals() {
    const sigset_t set = StopSet();
    // Blocked, the signals wait as pending until WaitFor takes them.
    sigprocmask(SIG_BLOCK, &set, nullptr);
}

bool StopSignals::WaitFor(uint32_t ms) {
    if (received_ != 0) return true;
    const sigset_t set = StopSet();
    timespec timeout{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    siginfo_t info{};
    int signal = sigtimedwait(&set, &info, &timeout);
    // A pause cut short by another signal is simply a shorter pause.
    if (signal > 0) received_ = signal;
    return received_ != 0;
}
