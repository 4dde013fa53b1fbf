#include "framework/midi/HMIDIPlayState.h"

#include <algorithm>

// The timer device is asked for its periods only when playback starts (reset): asking loads
// the multimedia library, which a program that never plays need not load at all.
HMIDIPlayState::HMIDIPlayState()
{
    setDefaults();
}

HMIDIPlayState::~HMIDIPlayState() = default;

void HMIDIPlayState::reset()
{
    setDefaults();
    uint32_t minimum = 0;
    uint32_t maximum = 0;
    if (HMIDISystem::get().getTimerPeriodRange(&minimum, &maximum)) {
        m_period = std::min(std::max(m_period, minimum), maximum);
    }
}

void HMIDIPlayState::setDefaults()
{
    m_output = nullptr;
    m_period = DEFAULT_PERIOD;
    m_timerId = 0;
    setTempo(DEFAULT_TEMPO);
    m_numerator = 4;
    m_denominator = 4;
    m_sharpsFlats = 0;
    m_majorMinor = 0;
    m_division = DEFAULT_DIVISION;
    m_masterVolume = MASTER_VOLUME;
    m_volumePending = false;
    std::fill(m_volumes, m_volumes + CHANNELS, DEFAULT_VOLUME);
}

void HMIDIPlayState::setTempo(uint32_t tempo)
{
    m_tempo = tempo;
    m_msPerQuarter = tempo * 0.001;
}

uint8_t HMIDIPlayState::getVolume(int channel) const
{
    return channel >= 0 && channel < CHANNELS ? m_volumes[channel] : DEFAULT_VOLUME;
}

void HMIDIPlayState::setVolume(int channel, uint8_t volume)
{
    if (channel >= 0 && channel < CHANNELS) {
        m_volumes[channel] = volume;
    }
}
