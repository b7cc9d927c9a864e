// Preloaded into the real game by match_frame_rate.sh: counts the frames it shows and appends, to
// the file named by $ZARNOK_FRAME_LOG, one line per two seconds: the monotonic time in seconds
// and the frames per second over those two seconds.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr double kWindowSeconds = 2;

double Now() {
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

}  // namespace

extern "C" void SDL_GL_SwapWindow(void* window) {
    using Swap = void (*)(void*);
    static const auto next = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    static double start = 0;
    static int frames = 0;
    if (next) next(window);
    const double now = Now();
    if (start == 0) start = now;
    ++frames;
    if (now - start < kWindowSeconds) return;
    if (const char* path = std::getenv("ZARNOK_FRAME_LOG")) {
        if (FILE* log = std::fopen(path, "a")) {
            std::fprintf(log, "%.3f %.1f\n", now, frames / (now - start));
            std::fclose(log);
        }
    }
    start = now;
    frames = 0;
}
