#include "framework/HMIDISystem.h"

#include <map>
#include <mutex>

#include "framework/HWin32.h"

#include <mmsystem.h>

namespace {

// A timer carries one value to its callback; it carries this record, which holds the
// caller's callback and value. The record belongs to the timer while it waits: the callback
// frees it after running, a kill that catches the timer still waiting frees it instead.
struct Armed {
    HMIDISystem::TimerCallback callback;
    uintptr_t value;
};

// Waiting timers by id, so that a kill can find the record of its timer. An id comes again
// once its timer has fired, so a record is taken out only if it is still the one filed.
struct ArmedTimers {
    std::mutex lock;
    std::map<UINT, Armed*> waiting;
};

ArmedTimers& armedTimers()
{
    static ArmedTimers* timers = new ArmedTimers;  // never destroyed: timers may outlive statics
    return *timers;
}

void CALLBACK fire(UINT id, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR)
{
    Armed* armed = reinterpret_cast<Armed*>(user);
    {
        ArmedTimers& timers = armedTimers();
        std::lock_guard<std::mutex> guard(timers.lock);
        auto found = timers.waiting.find(id);
        if (found != timers.waiting.end() && found->second == armed) {
            timers.waiting.erase(found);
        }
    }
    armed->callback(id, armed->value);
    delete armed;
}

HMIDIOUT toNative(HMIDISystem::Output output)
{
    return static_cast<HMIDIOUT>(output);
}

}  // namespace

bool HMIDISystem::getTimerPeriodRange(uint32_t* minimum, uint32_t* maximum)
{
    TIMECAPS caps;
    if (timeGetDevCaps(&caps, sizeof(caps)) != TIMERR_NOERROR) {
        return false;
    }
    *minimum = caps.wPeriodMin;
    *maximum = caps.wPeriodMax;
    return true;
}

bool HMIDISystem::beginPeriod(uint32_t period)
{
    return timeBeginPeriod(period) == TIMERR_NOERROR;
}

bool HMIDISystem::endPeriod(uint32_t period)
{
    return timeEndPeriod(period) == TIMERR_NOERROR;
}

uint32_t HMIDISystem::setTimer(uint32_t delay, uint32_t resolution, TimerCallback callback,
                               uintptr_t value)
{
    Armed* armed = new Armed{callback, value};
    ArmedTimers& timers = armedTimers();
    // Held until the record is filed: a short timer may fire before timeSetEvent returns, and
    // its callback must find the record filed (or be gone) when it looks.
    std::lock_guard<std::mutex> guard(timers.lock);
    UINT id = timeSetEvent(delay, resolution, fire, reinterpret_cast<DWORD_PTR>(armed),
                           TIME_ONESHOT | TIME_CALLBACK_FUNCTION);
    if (id == 0) {
        delete armed;
        return 0;
    }
    timers.waiting[id] = armed;
    return id;
}

bool HMIDISystem::killTimer(uint32_t id)
{
    ArmedTimers& timers = armedTimers();
    std::lock_guard<std::mutex> guard(timers.lock);
    if (timeKillEvent(id) != TIMERR_NOERROR) {
        return false;
    }
    auto found = timers.waiting.find(id);
    if (found != timers.waiting.end()) {
        delete found->second;
        timers.waiting.erase(found);
    }
    return true;
}

uint32_t HMIDISystem::openOutput(Output* output)
{
    HMIDIOUT handle = nullptr;
    MMRESULT result = midiOutOpen(&handle, MIDI_MAPPER, 0, 0, CALLBACK_NULL);
    *output = result == MMSYSERR_NOERROR ? handle : nullptr;
    return result;
}

uint32_t HMIDISystem::resetOutput(Output output)
{
    return midiOutReset(toNative(output));
}

uint32_t HMIDISystem::sendShortMessage(Output output, uint32_t message)
{
    return midiOutShortMsg(toNative(output), message);
}

uint32_t HMIDISystem::closeOutput(Output output)
{
    return midiOutClose(toNative(output));
}
