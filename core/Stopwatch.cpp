#include "Stopwatch.h"

#include <atomic>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// The compile or search thread starts the watch while the interface thread
// may read it, hence atomic.
std::atomic<Clock::rep> g_startTicks{Clock::now().time_since_epoch().count()};

}  // namespace

void StartTimer() {
    g_startTicks.store(Clock::now().time_since_epoch().count());
}

double GetElapsedSeconds() {
    const Clock::duration elapsed =
        Clock::now().time_since_epoch() - Clock::duration(g_startTicks.load());
    return std::chrono::duration<double>(elapsed).count();
}
