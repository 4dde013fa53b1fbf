#pragma once

#include <cstdint>

// The multimedia calls of MIDI playback: the timer device's period range, one-shot timers and
// the output of the MIDI mapper, kept in one place so that the player's timing and output can
// be watched and driven without a sound device.
//
// HMIDISystemWin32.cpp is the native implementation on Windows (winmm); HMIDISystemPosix.cpp
// is the host build's, which has neither a timer nor an output. As with HSystem, the native
// implementation is the default and a replacement can be installed for the whole process; a
// replacement that overrides only the output keeps the native timer.
class HMIDISystem {
public:
    using Output = void*;  // an open MIDI output; nullptr is none
    // Runs on the timer's own thread with the id setTimer returned and the value it was given.
    using TimerCallback = void (*)(uint32_t id, uintptr_t value);

    // Results of the output calls: 0 for success, otherwise the platform's error code.
    static constexpr uint32_t RESULT_OK = 0;

    HMIDISystem() = default;
    virtual ~HMIDISystem() = default;
    HMIDISystem(const HMIDISystem&) = delete;
    HMIDISystem& operator=(const HMIDISystem&) = delete;

    // The shortest and longest timer periods the device offers, in milliseconds.
    virtual bool getTimerPeriodRange(uint32_t* minimum, uint32_t* maximum);
    virtual bool beginPeriod(uint32_t period);
    virtual bool endPeriod(uint32_t period);
    // Calls back once, delay milliseconds from now; returns the timer's id, 0 when none was
    // made. Ids may come again once a timer has fired or been killed.
    virtual uint32_t setTimer(uint32_t delay, uint32_t resolution, TimerCallback callback,
                              uintptr_t value);
    // True when the timer was still waiting and now never calls back; false when it has
    // already fired (its callback may be running) or was never made.
    virtual bool killTimer(uint32_t id);

    // Opens the MIDI mapper, without a callback of its own.
    virtual uint32_t openOutput(Output* output);
    // Silences the output and returns its controllers to their defaults.
    virtual uint32_t resetOutput(Output output);
    // status | first data << 8 | second data << 16.
    virtual uint32_t sendShortMessage(Output output, uint32_t message);
    virtual uint32_t closeOutput(Output output);

    // The implementation in use; callable from any thread.
    static HMIDISystem& get();
    // Makes system the implementation in use (nullptr: the native one again) and returns the
    // previous replacement or nullptr. The caller keeps ownership; install only while nothing
    // plays.
    static HMIDISystem* install(HMIDISystem* system);
};
