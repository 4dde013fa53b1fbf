#pragma once

#include <chrono>

// What the Windows benchmarks ask of their own process: the clock, the processor time spent
// (which a busy machine inflates far less than the wall-clock time) and its pending messages.
class BenchProcess {
public:
    using Clock = std::chrono::steady_clock;

    static double msSince(Clock::time_point start);
    // User and kernel time of every thread of the process so far.
    static double processMs();
    // User and kernel time of the calling thread so far.
    static double threadMs();
    // Milliseconds since the process was created, by the system's clock.
    static double msSinceProcessStart();
    // Dispatches every message waiting for this thread.
    static void pump();
};
