#pragma once

#include <string>

#include "framework/base/HObject.h"

class BMData;
class HComponent;
class HMIDIPlayer;

// Plays the music of the map on show, from the area panel's music line: a click plays the
// current area's music through the window's MIDI player, the next click stops it, and so does
// showing another map or another scenario. The status bar says what plays, or why nothing
// does; a player that cannot play shows its own message box.
class BMMusicPreview : public HObject {
public:
    // Both not owned; they live as long as the window that owns them and this.
    BMMusicPreview(HMIDIPlayer* player, HComponent* statusBar);
    ~BMMusicPreview() override;

    // The music line's command: stops what plays, or looks the current area's music up
    // (ZDMusicFinder) and plays it.
    void toggle(const BMData* data);
    // Stops the music once data (nullptr for none) shows another map or scenario than the
    // one it was started on. Cheap: called after every change of what the view shows.
    void follow(const BMData* data);
    bool isPlaying() const;

private:
    void stop();
    void say(const std::string& text);

    HMIDIPlayer* m_player;   // not owned
    HComponent* m_statusBar;  // not owned
    // The scenario and map the music was started on ("" while nothing was), and its name.
    std::string m_place;
    std::string m_name;
};
