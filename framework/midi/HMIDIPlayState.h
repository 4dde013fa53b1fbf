#pragma once

#include <cstdint>

#include "framework/midi/HMIDISystem.h"

// What one playback of a MIDI file is in: the output and the pending timer, the timer period,
// tempo, time and key signature, and the channel volumes that the master factor scales. The
// messages of a play list refer to it for their waits (HMIDIMessage::delayMs).
class HMIDIPlayState {
public:
    static constexpr uint32_t DEFAULT_PERIOD = 4;         // ms, before the device's limits
    static constexpr uint32_t DEFAULT_TEMPO = 500000;     // us per quarter note
    static constexpr uint32_t DEFAULT_DIVISION = 480;     // ticks per quarter note
    static constexpr uint8_t DEFAULT_VOLUME = 100;
    static constexpr double MASTER_VOLUME = 0.75;
    static constexpr int CHANNELS = 16;

    HMIDIPlayState();
    virtual ~HMIDIPlayState();
    HMIDIPlayState(const HMIDIPlayState&) = delete;
    HMIDIPlayState& operator=(const HMIDIPlayState&) = delete;

    // Back to the defaults, with the timer period fitted to the timer device's range.
    void reset();

    HMIDISystem::Output getHandle() const { return m_output; }
    HMIDISystem::Output* getHandleAddress() { return &m_output; }
    void setHandle(HMIDISystem::Output output) { m_output = output; }
    uint32_t getTimerPeriod() const { return m_period; }
    uint32_t getTimerId() const { return m_timerId; }
    void setTimerId(uint32_t id) { m_timerId = id; }
    uint32_t getTempo() const { return m_tempo; }
    // Also sets the milliseconds per quarter note.
    void setTempo(uint32_t tempo);
    double getMsPerQuarter() const { return m_msPerQuarter; }
    uint8_t getNumerator() const { return m_numerator; }
    void setNumerator(uint8_t value) { m_numerator = value; }
    // As the file stores it: the power of two of the note value.
    uint8_t getDenominator() const { return m_denominator; }
    void setDenominator(uint8_t value) { m_denominator = value; }
    uint8_t getSharpsFlats() const { return m_sharpsFlats; }
    void setSharpsFlats(uint8_t value) { m_sharpsFlats = value; }
    uint8_t getMajorMinor() const { return m_majorMinor; }
    void setMajorMinor(uint8_t value) { m_majorMinor = value; }
    uint32_t getDivision() const { return m_division; }
    void setDivision(uint32_t division) { m_division = division; }
    double getMasterVolume() const { return m_masterVolume; }
    bool isVolumePending() const { return m_volumePending; }
    void setVolumePending(bool pending) { m_volumePending = pending; }
    // Channels 16 and above read as the default volume; writing them does nothing.
    uint8_t getVolume(int channel) const;
    void setVolume(int channel, uint8_t volume);

private:
    // The defaults, the timer period unfitted.
    void setDefaults();

    HMIDISystem::Output m_output = nullptr;
    uint32_t m_period = DEFAULT_PERIOD;
    uint32_t m_timerId = 0;
    uint32_t m_tempo = DEFAULT_TEMPO;
    double m_msPerQuarter = DEFAULT_TEMPO * 0.001;
    uint8_t m_numerator = 4;
    uint8_t m_denominator = 4;
    uint8_t m_sharpsFlats = 0;
    uint8_t m_majorMinor = 0;
    uint32_t m_division = DEFAULT_DIVISION;
    double m_masterVolume = MASTER_VOLUME;
    bool m_volumePending = false;
    uint8_t m_volumes[CHANNELS];
};
