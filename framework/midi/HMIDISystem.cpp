#include "framework/midi/HMIDISystem.h"

#include <atomic>

namespace {

// Read by timer threads as well.
std::atomic<HMIDISystem*> g_installed{nullptr};  // not owned

}  // namespace

HMIDISystem& HMIDISystem::get()
{
    static HMIDISystem native;
    HMIDISystem* installed = g_installed.load();
    return installed != nullptr ? *installed : native;
}

HMIDISystem* HMIDISystem::install(HMIDISystem* system)
{
    return g_installed.exchange(system);
}
