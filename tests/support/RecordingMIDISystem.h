#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "framework/midi/HMIDISystem.h"

// The platform's MIDI calls, recorded: every short message with the time it went out, the
// output's opening and closing, the timer period's begin and end. With HAND_TIMER the timers
// wait for the test to fire them and time is virtual milliseconds; with REAL_TIMER the
// platform's timer runs them and time is real. Installed while it lives.
class RecordingMIDISystem : public HMIDISystem {
public:
    enum Timing { HAND_TIMER, REAL_TIMER };
    static constexpr uint32_t kLongestDelay = 65535;  // ms, as Wine's timer
    struct Timer {
        uint32_t id;
        uint32_t due;
        TimerCallback callback;
        uintptr_t value;
    };
    struct Record {
        std::vector<std::pair<double, uint32_t>> sent;  // time, message
        std::vector<Timer> waiting;
        int opened = 0;
        int closed = 0;
        int periods = 0;         // begun and not ended
        int sentWhileClosed = 0;
    };

    explicit RecordingMIDISystem(Timing timing)
        : m_timing(timing), m_start(std::chrono::steady_clock::now())
    {
        m_previous = install(this);
    }
    ~RecordingMIDISystem() override { install(m_previous); }

    uint32_t openResult = RESULT_OK;
    uint32_t sendResult = RESULT_OK;
    int timersLeft = -1;  // timers that can still be made; -1: any number

    Record record()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_record;
    }
    // Without copying the record, which grows to hundreds of thousands of messages.
    size_t sentCount()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_record.sent.size();
    }
    // Runs the waiting timers in the order of their times: all of them (and those they arm),
    // or only the next one.
    void fire(bool all = true)
    {
        for (bool more = true; more; more = all) {
            Timer timer;
            {
                std::lock_guard<std::mutex> guard(m_lock);
                std::vector<Timer>& waiting = m_record.waiting;
                auto next = std::min_element(waiting.begin(), waiting.end(),
                                             [](const Timer& a, const Timer& b) { return a.due < b.due; });
                if (next == waiting.end()) {
                    return;
                }
                timer = *next;
                waiting.erase(next);
                m_now = timer.due;
            }
            timer.callback(timer.id, timer.value);
        }
    }

    bool getTimerPeriodRange(uint32_t* minimum, uint32_t* maximum) override
    {
        if (m_timing == REAL_TIMER) {
            return HMIDISystem::getTimerPeriodRange(minimum, maximum);
        }
        *minimum = 1;
        *maximum = kLongestDelay;
        return true;
    }
    bool beginPeriod(uint32_t) override { return change(&m_record.periods, 1); }
    bool endPeriod(uint32_t) override { return change(&m_record.periods, -1); }
    uint32_t setTimer(uint32_t delay, uint32_t resolution, TimerCallback callback,
                      uintptr_t value) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (timersLeft == 0 || delay > kLongestDelay) {
            return 0;
        }
        timersLeft -= timersLeft > 0;
        if (m_timing == REAL_TIMER) {
            return HMIDISystem::setTimer(delay, resolution, callback, value);
        }
        m_record.waiting.push_back({m_nextId, m_now + delay, callback, value});
        return m_nextId++;
    }
    bool killTimer(uint32_t id) override
    {
        if (m_timing == REAL_TIMER) {
            return HMIDISystem::killTimer(id);
        }
        std::lock_guard<std::mutex> guard(m_lock);
        std::vector<Timer>& waiting = m_record.waiting;
        size_t before = waiting.size();
        waiting.erase(std::remove_if(waiting.begin(), waiting.end(),
                                     [id](const Timer& t) { return t.id == id; }),
                      waiting.end());
        return waiting.size() < before;
    }
    uint32_t openOutput(Output* output) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_open = openResult == RESULT_OK;
        *output = m_open ? &m_device : nullptr;
        m_record.opened += m_open;
        return openResult;
    }
    uint32_t resetOutput(Output) override { return RESULT_OK; }
    uint32_t sendShortMessage(Output output, uint32_t message) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_record.sentWhileClosed += !m_open || output != &m_device;
        double now = m_timing == HAND_TIMER
                         ? m_now
                         : std::chrono::duration<double, std::milli>(
                               std::chrono::steady_clock::now() - m_start).count();
        m_record.sent.push_back({now, message});
        return sendResult;
    }
    uint32_t closeOutput(Output) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_open = false;
        ++m_record.closed;
        return RESULT_OK;
    }

private:
    bool change(int* counter, int by)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        *counter += by;
        return true;
    }

    Timing m_timing;
    std::chrono::steady_clock::time_point m_start;
    HMIDISystem* m_previous;
    std::mutex m_lock;
    Record m_record;
    uint32_t m_nextId = 1;
    uint32_t m_now = 0;
    int m_device = 0;  // its address is the open output
    bool m_open = false;
};
