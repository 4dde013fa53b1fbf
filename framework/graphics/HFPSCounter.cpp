#include "framework/graphics/HFPSCounter.h"

#include <chrono>

namespace {

// A millisecond clock on every build; only differences of its readings count, so where it
// starts and its wrap at 32 bits do not matter.
uint32_t clockNow()
{
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace

HFPSCounter::HFPSCounter(uint32_t interval)
    : m_interval(interval != 0 ? interval : 1000), m_start(clockNow())
{
    setClassName("HFPSCounter");
}

void HFPSCounter::tick()
{
    tick(clockNow());
}

void HFPSCounter::tick(uint32_t now)
{
    ++m_count;
    // Unsigned difference: right across the wrap of the 32-bit clock.
    if (now - m_start >= m_interval) {
        m_lastCount = m_count;
        m_count = 0;
        m_start = now;
    }
}

void HFPSCounter::start(uint32_t now)
{
    m_count = 0;
    m_start = now;
}
