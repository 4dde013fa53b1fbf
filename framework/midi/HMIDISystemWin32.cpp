#include "framework/midi/HMIDISystem.h"

#include <map>
#include <mutex>

#include "framework/base/HWin32.h"

#include <mmsystem.h>

namespace {

// A timer carries one value to its callback: a serial number, never reused, which names the
// caller's callback and value among the records of the timers armed and neither run nor
// killed. Whoever takes a record out runs it or drops it: the timer's callback, or a kill.
// A kill can succeed while the callback has begun but not yet looked; that callback then
// finds nothing and does nothing. Records are kept by value: no callback can reach a record
// that was freed.
struct Armed {
    HMIDISystem::TimerCallback callback;
    uintptr_t value;
};

struct ArmedTimers {
    std::mutex lock;
    std::map<uintptr_t, Armed> armed;  // by serial
    // The serial of the latest timer of each id, for kills. An id comes again once its timer
    // has fired, so the entry may name a newer timer than a late callback's own.
    std::map<UINT, uintptr_t> serials;
    uintptr_t nextSerial = 1;
};

ArmedTimers& armedTimers()
{
    static ArmedTimers* timers = new ArmedTimers;  // never destroyed: timers may outlive statics
    return *timers;
}

void CALLBACK fire(UINT id, UINT, DWORD_PTR serial, DWORD_PTR, DWORD_PTR)
{
    Armed armed;
    {
        ArmedTimers& timers = armedTimers();
        std::lock_guard<std::mutex> guard(timers.lock);
        auto found = timers.armed.find(serial);
        if (found == timers.armed.end()) {
            return;  // killed
        }
        armed = found->second;
        timers.armed.erase(found);
        auto named = timers.serials.find(id);
        if (named != timers.serials.end() && named->second == serial) {
            timers.serials.erase(named);
        }
    }
    armed.callback(id, armed.value);
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
    ArmedTimers& timers = armedTimers();
    // Held until the record is filed: a short timer may fire before timeSetEvent returns, and
    // its callback must find the record filed (or be gone) when it looks.
    std::lock_guard<std::mutex> guard(timers.lock);
    uintptr_t serial = timers.nextSerial++;
    timers.armed[serial] = Armed{callback, value};
    UINT id = timeSetEvent(delay, resolution, fire, serial, TIME_ONESHOT | TIME_CALLBACK_FUNCTION);
    if (id == 0) {
        timers.armed.erase(serial);
        return 0;
    }
    timers.serials[id] = serial;
    return id;
}

bool HMIDISystem::killTimer(uint32_t id)
{
    ArmedTimers& timers = armedTimers();
    std::lock_guard<std::mutex> guard(timers.lock);
    if (timeKillEvent(id) != TIMERR_NOERROR) {
        return false;
    }
    auto named = timers.serials.find(id);
    if (named != timers.serials.end()) {
        timers.armed.erase(named->second);
        timers.serials.erase(named);
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
