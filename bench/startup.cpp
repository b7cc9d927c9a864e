// Start-up time: from starting the real program in a temporary copy of the run folder until its
// main window is shown (the first frame follows at once). Needs an X display; run it under
// xvfb-run. The program is closed with SIGTERM after each measurement.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool WindowShown() {
    FILE* pipe = popen("xdotool search --onlyvisible --name '^zarnok$' 2>/dev/null", "r");
    if (!pipe) return false;
    char line[64];
    bool found = fgets(line, sizeof line, pipe) != nullptr;
    pclose(pipe);
    return found;
}

pid_t StartGame(const std::filesystem::path& folder) {
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(127);
        freopen("/dev/null", "w", stdout);

        execl(ZARNOK_BINARY, ZARNOK_BINARY, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void BM_StartUpUntilWindowShown(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no X display; run under xvfb-run");
        return;
    }
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "zarnok-bench-run";
    std::filesystem::remove_all(folder);
    std::filesystem::copy(ZARNOK_RUN_DIR, folder, std::filesystem::copy_options::recursive);
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        pid_t pid = StartGame(folder);
        bool shown = false;
        while (!shown && std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
            shown = WindowShown();
        }
        auto elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        if (!shown) {
            state.SkipWithError("the window never appeared");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}

BENCHMARK(BM_StartUpUntilWindowShown)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
