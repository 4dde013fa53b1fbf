#include "bench/BenchProcess.h"

#include <cstdint>

#include "framework/base/HWin32.h"

namespace {

double milliseconds(const FILETIME& time)
{
    return static_cast<double>(static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime)
           / 1e4;
}

}  // namespace

double BenchProcess::msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double BenchProcess::processMs()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return milliseconds(kernel) + milliseconds(user);
}

double BenchProcess::threadMs()
{
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    return milliseconds(kernel) + milliseconds(user);
}

double BenchProcess::msSinceProcessStart()
{
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    return milliseconds(now) - milliseconds(created);
}

void BenchProcess::pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
