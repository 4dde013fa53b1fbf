#pragma once

#include <cstdint>

#include "framework/base/HObject.h"

// Counts frames per interval: each tick adds a frame, and once an interval has passed the
// count becomes the figure getFPS reports.
class HFPSCounter : public HObject {
public:
    // interval in milliseconds; 0 means 1000 (frames per second).
    explicit HFPSCounter(uint32_t interval = 1000);

    // One frame now (the system's millisecond clock).
    void tick();
    // One frame at the given millisecond time; the clock may wrap around.
    void tick(uint32_t now);
    // Drops the frames counted so far and begins a new interval at the given time.
    void start(uint32_t now);
    // Frames in the last finished interval.
    int getFPS() const { return m_lastCount; }

private:
    int m_lastCount = 0;
    uint32_t m_interval;
    int m_count = 0;
    uint32_t m_start;
};
