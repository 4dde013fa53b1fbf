#include "framework/midi/HMIDIPlayer.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include "framework/midi/HMIDISystem.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/LogCapture.h"
#include "tests/support/MidiFile.h"
#include "tests/support/RecordingMIDISystem.h"
#include "tests/support/TestFolder.h"

namespace {

using M = MidiFile;
using Clock = std::chrono::steady_clock;

std::string note(uint32_t delta, int key, int channel = 0)
{
    return M::event(delta, {0x90 | channel, key, 0x40});
}

using Sent = std::vector<std::pair<double, uint32_t>>;

// The times of the note-ons of channel 0.
std::vector<double> noteOnTimes(const Sent& sent)
{
    std::vector<double> times;
    for (const auto& s : sent) {
        if ((s.second & 0xFF) == 0x90) {
            times.push_back(s.first);
        }
    }
    return times;
}

// From the position on: every note of every channel switched off, each once, and nothing else.
bool allNotesOff(const Sent& sent, size_t from)
{
    std::set<uint32_t> off;
    for (size_t i = from; i < sent.size(); ++i) {
        uint32_t m = sent[i].second;
        if ((m & 0xF0) != 0x80 || (m >> 16) != 0 || !off.insert(m).second) {
            return false;
        }
    }
    return off.size() == 16 * 128;
}

// Idle, with the output closed as often as opened and every timer period ended.
void expectIdle(HMIDIPlayer& player, RecordingMIDISystem& midi)
{
    RecordingMIDISystem::Record r = midi.record();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(r.opened, r.closed);
    EXPECT_EQ(r.periods, 0);
    EXPECT_EQ(r.sentWhileClosed, 0);
}

class MIDIPlayer : public ::testing::Test {
protected:
    void write(const std::string& bytes)
    {
        TestFolder::write("song.mid", bytes);
        player.setText("song.mid");
    }

    TestFolder folder;
    LogCapture log{"info"};
    RecordingMIDISystem midi{RecordingMIDISystem::HAND_TIMER};
    HMIDIPlayer player{nullptr, 2005, ""};
};

}  // namespace

TEST_F(MIDIPlayer, WaitsFollowTheTicksTheTempoInForceAndTheTimerPeriod)
{
    write(M::file(480, {note(0, 60) + note(240, 61) + note(1, 62)
                        + M::tempo(0, 40000) + note(480, 63)       // too fast: ignored
                        + M::tempo(0, 600000) + note(480, 64)
                        + M::tempo(0, 5000000) + note(480, 65)     // too slow: ignored
                        + note(57600, 66)}));  // 72 s: longer than one timer waits
    player.setUserData(0);
    EXPECT_TRUE(player.isPlaying());
    midi.fire();
    Sent sent = midi.record().sent;
    ASSERT_GE(sent.size(), 16u);
    for (uint32_t channel = 0; channel < 16; ++channel) {
        EXPECT_EQ(sent[channel], std::make_pair(100.0, (0xB0 | channel) | 7 << 8 | 75 << 16));
    }
    // 100 ms to the first event; 240 ticks = 250 ms; 1 tick = the 4 ms period, not 1.04 ms;
    // 480 ticks at 500,000, 600,000 and again 600,000 us per quarter note.
    EXPECT_EQ(noteOnTimes(sent), (std::vector<double>{100, 350, 354, 854, 1454, 2054, 74054}));
    EXPECT_EQ(sent.back().first, 74054) << "the notes go off right after the last event";
    EXPECT_EQ(player.getPlayState().getTempo(), 600000u);
    expectIdle(player, midi);
}

TEST_F(MIDIPlayer, SendsVolumesScaledAndNeverMetaOrExclusiveEvents)
{
    write(M::file(480, {M::event(0, {0xB5, 0x07, 120}) + M::event(0, {0xB5, 0x0A, 0x40})
                        + M::event(0, {0xF0, 0x02, 0x7E, 0xF7}) + M::meta(0, 0x58, "\x03\x02\x18\x08")
                        + M::meta(0, 0x59, std::string("\xFD\x01", 2)) + M::event(0, {0xC5, 0x05})}));
    player.play();
    midi.fire();
    Sent sent = midi.record().sent;
    ASSERT_EQ(sent.size(), 16u + 3u + 2048u);
    EXPECT_EQ(sent[16].second, 0x5A07B5u);  // 120 x 0.75 = 90
    EXPECT_EQ(sent[17].second, 0x400AB5u);
    EXPECT_EQ(sent[18].second, 0x05C5u);
    EXPECT_TRUE(allNotesOff(sent, 19));
    const HMIDIPlayState& state = player.getPlayState();
    EXPECT_EQ(state.getVolume(5), 120);
    EXPECT_EQ(state.getNumerator() << 8 | state.getDenominator(), 0x0302);
    EXPECT_EQ(state.getSharpsFlats() << 8 | state.getMajorMinor(), 0xFD01);
}

TEST_F(MIDIPlayer, RestartPlaysFromTheBeginningAndDisposingStops)
{
    write(M::file(480, {note(0, 60) + note(480, 62)}));
    player.setUserData(0);
    midi.fire(false);  // volumes and the first note; the second waits 500 ms
    player.setUserData(0);
    RecordingMIDISystem::Record r = midi.record();
    ASSERT_EQ(r.sent.size(), 17u + 2048u);
    EXPECT_TRUE(allNotesOff(r.sent, 17));
    ASSERT_EQ(r.waiting.size(), 1u) << "the old timer is killed, the new one waits";
    midi.fire(false);
    EXPECT_EQ(noteOnTimes(midi.record().sent), (std::vector<double>{100, 200}));
    player.setUserData(1);
    EXPECT_TRUE(midi.record().waiting.empty());
    EXPECT_EQ(midi.record().opened, 2);
    expectIdle(player, midi);
    // The window that owns a player going away silences it as well.
    player.play();
    midi.fire(false);
    player.dispose();
    EXPECT_TRUE(midi.record().waiting.empty());
    EXPECT_TRUE(allNotesOff(midi.record().sent, midi.record().sent.size() - 2048));
    expectIdle(player, midi);
}

TEST_F(MIDIPlayer, FailuresToStartAreShownBarAMissingFileAndLeaveThePlayerIdle)
{
    struct Case {
        const char* what;
        const char* file;
        std::string bytes;
        uint32_t openResult;
        int timers;
        const char* text;  // nothing: nothing to say
    };
    std::string song = M::file(480, {note(0, 60)});
    const Case cases[] = {
        {"no file", "missing.mid", song, 0, -1, nullptr},
        {"not a MIDI file", "song.mid", "RIFF....", 0, -1, "ファイルの解読に失敗しました。"},
        {"no output", "song.mid", song, 6, -1, "再生に失敗しました。"},
        {"no timer", "song.mid", song, 0, 0, "再生に失敗しました。"},
    };
    for (const Case& c : cases) {
        TestFolder::write("song.mid", c.bytes);
        player.setText(c.file);
        midi.openResult = c.openResult;
        midi.timersLeft = c.timers;
        std::string shown;
        DialogAnswerer answerer([&shown](HWND dialog) {
            shown = DialogAnswerer::textOf(dialog) + ":" + DialogAnswerer::textOf(GetDlgItem(dialog, 0xFFFF));
            DialogAnswerer::press(dialog, IDOK);
            return true;
        });
        player.setUserData(0);
        EXPECT_EQ(shown, c.text != nullptr ? std::string("MIDIファイル再生:") + c.text : "") << c.what;
        player.stop();  // idle: nothing to stop
        expectIdle(player, midi);
    }
    EXPECT_TRUE(midi.record().sent.empty());
    EXPECT_TRUE(log.contains("midiOutOpen error"));
}

TEST_F(MIDIPlayer, RefusedMessagesAreLoggedAndALostTimerStopsPlayback)
{
    write(M::file(480, {note(0, 60) + note(480, 62)}));
    midi.sendResult = 7;
    midi.timersLeft = 1;  // the start delay only
    player.play();
    midi.fire();
    Sent sent = midi.record().sent;
    ASSERT_EQ(sent.size(), 16u + 1u + 2048u) << "every message is tried once";
    EXPECT_TRUE(allNotesOff(sent, 17));
    expectIdle(player, midi);
    EXPECT_EQ(log.missing({"midiOutShortMsg error", "timer error"}), "");
}

// A callback can fire just before a stop kills its timer and then wait for the lock: once it
// runs it must do nothing, even when its player has gone meanwhile.
TEST_F(MIDIPlayer, ACallbackForAStoppedOrDeletedPlayerDoesNothing)
{
    write(M::file(480, {note(0, 60) + note(480, 62)}));
    player.play();
    midi.fire(false);
    std::vector<RecordingMIDISystem::Timer> late = midi.record().waiting;
    player.stop();
    {
        HMIDIPlayer gone(nullptr, 2005, "song.mid");
        gone.play();
        late.push_back(midi.record().waiting.at(0));
    }
    ASSERT_EQ(late.size(), 2u);
    size_t before = midi.record().sent.size();
    for (const RecordingMIDISystem::Timer& timer : late) {
        timer.callback(timer.id, timer.value);
    }
    EXPECT_EQ(midi.record().sent.size(), before);
    expectIdle(player, midi);
}

// With the platform's own timer and a recording output: play, stop and restart from this
// thread while the timer's thread runs callbacks every few milliseconds, some of them ending
// the list and stopping from the timer's side; players also go away while they play.
TEST(MIDIPlayerOnTheRealTimer, PlayStopAndRestartRaceTheCallbacksSafely)
{
    TestFolder folder;
    std::string events;
    for (int i = 0; i < 2000; ++i) {
        events += note(i % 3 == 0 ? 0 : 1, 40 + i % 40, i % 16);
    }
    TestFolder::write("long.mid", M::file(480, {events}));
    TestFolder::write("short.mid", M::file(480, {note(0, 60) + note(10, 62) + note(5, 64)}));
    RecordingMIDISystem midi(RecordingMIDISystem::REAL_TIMER);
    std::unique_ptr<HMIDIPlayer> player(new HMIDIPlayer(nullptr, 2005, "long.mid"));
    std::mt19937 random(11);
    const int kCycles = 200;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        player->setText(cycle % 4 == 3 ? "short.mid" : "long.mid");
        if (cycle % 2 == 0) {
            player->play();
        } else {
            player->setUserData(0);  // restart: stop, then play
        }
        // Wait for the callbacks to run (the first one comes after 100 ms), then cut in.
        size_t started = midi.sentCount();
        Clock::time_point start = Clock::now();
        while (midi.sentCount() < started + 20
               && Clock::now() - start < std::chrono::milliseconds(400)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 6000));
        switch (cycle % 5) {
        case 0:
            player->stop();
            break;
        case 1:
            player->setUserData(1);
            break;
        case 2:
            player.reset(new HMIDIPlayer(nullptr, 2005, "long.mid"));  // deleted while it plays
            break;
        default:
            continue;  // the next cycle starts over it
        }
        // A callback caught half-way by the stop has finished or does nothing.
        size_t stopped = midi.sentCount();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(midi.sentCount(), stopped) << "a message went out after stop " << cycle;
        EXPECT_FALSE(player->isPlaying()) << cycle;
    }
    player->stop();
    size_t after = midi.sentCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_EQ(midi.sentCount(), after) << "a message went out after stop";
    EXPECT_GT(midi.record().opened, kCycles / 2);
    expectIdle(*player, midi);
}

// With the platform's output as well: Wine has no MIDI device here, so the open fails, which
// is shown like a timer that cannot be made, and nothing waits.
TEST(MIDIPlayerOnThePlatform, WithoutAMIDIDeviceTheFailureIsShown)
{
    if (midiOutGetNumDevs() > 0) {
        GTEST_SKIP() << "this machine has a MIDI device";
    }
    TestFolder folder;
    TestFolder::write("song.mid", M::file(480, {note(0, 60)}));
    HMIDIPlayer player(nullptr, 2005, "song.mid");
    std::string text;
    DialogAnswerer answerer([&text](HWND dialog) {
        text = DialogAnswerer::textOf(GetDlgItem(dialog, 0xFFFF));
        DialogAnswerer::press(dialog, IDOK);
        return true;
    });
    player.setUserData(0);
    EXPECT_EQ(text, "再生に失敗しました。");
    EXPECT_FALSE(player.isPlaying());
}
