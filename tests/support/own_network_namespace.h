// Runs a piece of a test in a child process that has a network namespace of its own: a fresh one
// holds only a loopback that is down, and whatever sockets and interfaces the piece makes there
// vanish with it and never touch the machine's network.
#pragma once
#include <functional>
#include <optional>
#include <string>

// What `body` returned (its report, written back through a pipe); nothing when this machine does
// not permit a network namespace (the caller skips).
std::optional<std::string> RunInOwnNetworkNamespace(const std::function<std::string()>& body);
