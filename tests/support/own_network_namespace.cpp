#include "support/own_network_namespace.h"

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

std::optional<std::string> RunInOwnNetworkNamespace(const std::function<std::string()>& body) {
    constexpr int kNotPermitted = 77;
    int channel[2];
    if (pipe(channel) != 0) return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        if (unshare(CLONE_NEWNET) != 0) _exit(kNotPermitted);
        const std::string report = body();
        // _exit: the child must not run the parent's test teardown.
        _exit(write(channel[1], report.data(), report.size()) < 0 ? 1 : 0);
    }
    close(channel[1]);
    std::string report;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) report.append(buffer, n);
    close(channel[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return std::nullopt;
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNotPermitted) return std::nullopt;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? report : "the child failed";
}
