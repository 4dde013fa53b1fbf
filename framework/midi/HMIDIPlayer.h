#pragma once

#include <cstdint>
#include <string>

#include "framework/base/HFile.h"
#include "framework/gui/HComponent.h"
#include "framework/midi/HMIDIPlayState.h"
#include "framework/midi/HMIDISource.h"

class HMIDIMessage;

// Plays a Standard MIDI File through the MIDI mapper with timing of its own: a one-shot
// multimedia timer is armed for each wait between events, and its callback sends the events
// that are due. An invisible component, so that a window can own it: its text is the file's
// path, user data 0 plays the file from its beginning (stopping what plays) and 1 stops.
//
// The timer callbacks run on the timer's thread, everything else on the user-interface
// thread. One lock covers each callback and each start and stop, and a callback acts only for
// the timer its player armed last, so once stop returns nothing more reaches the output.
class HMIDIPlayer : public HComponent {
public:
    // Adds itself to the parent, whose window owns the player's message boxes.
    HMIDIPlayer(HContainer* parent, uint32_t id, const std::string& text);
    ~HMIDIPlayer() override;

    // The path of the file to play.
    void setText(const std::string& text) override;
    void setUserData(intptr_t value) override;
    // Stops what plays: the music ends with the window that owns the player.
    void dispose() override;
    // Loads the file and starts playback; a file that cannot be decoded or an output or timer
    // that cannot be had is shown in a message box. Stops what plays first.
    virtual void play();
    // Silences every note and closes the output; nothing while idle.
    virtual void stop();

    std::string getPath() const { return m_file.getFullPath(); }
    bool isPlaying() const;
    // For looking at while nothing plays.
    const HMIDIPlayState& getPlayState() const { return m_state; }

private:
    static void timerCallback(uint32_t id, uintptr_t ticket);
    // The message for the user when playback could not start, or nullptr.
    const char* startPlayback();
    void stopPlayback();
    void onTimer();
    bool armTimer(uint32_t delay);
    bool wait(uint32_t delay);
    void forgetTimer();
    void handle(HMIDIMessage* message);
    void handleMeta(const HMIDIMessage& message);
    void send(uint32_t message);

    HFile m_file;
    HMIDISource m_source;
    HMIDIPlayState m_state;
    uint32_t m_current = 0;    // play-list index of the next event to handle
    uint32_t m_scheduled = 0;  // play-list index the waiting timer was armed for
    uint32_t m_remaining = 0;  // ms of a long wait left for the timers after the waiting one
    uintptr_t m_ticket = 0;    // the waiting timer's ticket; 0 when no timer waits
};
