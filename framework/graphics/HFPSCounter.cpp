#include "framework/graphics/HFPSCounter.h"

#include "framework/base/HWin32.h"

HFPSCounter::HFPSCounter(uint32_t interval)
    : m_interval(interval != 0 ? interval : 1000), m_start(GetTickCount())
{
    setClassName("HFPSCounter");
}

void HFPSCounter::tick()
{
    tick(GetTickCount());
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
