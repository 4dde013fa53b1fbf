#include "framework/midi/HMIDISystem.h"

// The host build has no multimedia timer and no MIDI output: every call fails the way the
// platform's does without a device.

namespace {

const uint32_t kNoDriver = 6;  // the platform's "no driver" result

}  // namespace

bool HMIDISystem::getTimerPeriodRange(uint32_t*, uint32_t*)
{
    return false;
}

bool HMIDISystem::beginPeriod(uint32_t)
{
    return false;
}

bool HMIDISystem::endPeriod(uint32_t)
{
    return false;
}

uint32_t HMIDISystem::setTimer(uint32_t, uint32_t, TimerCallback, uintptr_t)
{
    return 0;
}

bool HMIDISystem::killTimer(uint32_t)
{
    return false;
}

uint32_t HMIDISystem::openOutput(Output* output)
{
    *output = nullptr;
    return kNoDriver;
}

uint32_t HMIDISystem::resetOutput(Output)
{
    return kNoDriver;
}

uint32_t HMIDISystem::sendShortMessage(Output, uint32_t)
{
    return kNoDriver;
}

uint32_t HMIDISystem::closeOutput(Output)
{
    return kNoDriver;
}
