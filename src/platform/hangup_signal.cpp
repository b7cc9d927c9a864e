#include "platform/hangup_signal.h"

#include <cerrno>
#include <csignal>

#include <signal.h>

namespace {

// raise() is safe in a handler; the SIGTERM handler it runs only marks the quit as pending.
void TerminateOnHangUp(int) {
    const int savedErrno = errno;
    std::raise(SIGTERM);
    errno = savedErrno;
}

}  // namespace

void CloseOnHangUp() {
    struct sigaction current {};
    // A hang-up ignored by whoever started the game (nohup) stays ignored, as SDL does for SIGTERM.
    if (sigaction(SIGHUP, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) return;
    struct sigaction handler {};
    handler.sa_handler = TerminateOnHangUp;
    sigemptyset(&handler.sa_mask);
    sigaction(SIGHUP, &handler, nullptr);
}
