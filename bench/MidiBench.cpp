#include "bench/MidiBench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "framework/base/HFile.h"
#include "framework/midi/HMIDIMessage.h"
#include "framework/midi/HMIDIPlayState.h"
#include "framework/midi/HMIDISource.h"

#if defined(_WIN32)
#include <mutex>
#include <thread>

#include "framework/base/HWin32.h"
#include "framework/gui/HWindow.h"
#include "framework/midi/HMIDIPlayer.h"
#include "framework/midi/HMIDISystem.h"
#endif

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string number(uint32_t value)
{
    std::string text(1, static_cast<char>(value & 0x7F));
    for (value >>= 7; value != 0; value >>= 7) {
        text.insert(text.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    }
    return text;
}

std::string bigEndian(uint32_t value, int bytes)
{
    std::string text;
    for (int i = bytes - 1; i >= 0; --i) {
        text += static_cast<char>(value >> (8 * i));
    }
    return text;
}

// A format-1 file of the tracks' events (without their end events), 480 ticks a quarter.
std::string midiFile(const std::vector<std::string>& tracks)
{
    std::string file = "MThd" + bigEndian(6, 4) + bigEndian(1, 2)
                       + bigEndian(static_cast<uint32_t>(tracks.size()), 2) + bigEndian(480, 2);
    for (const std::string& events : tracks) {
        std::string body = events + std::string("\0\xFF\x2F\0", 4);
        file += "MTrk" + bigEndian(static_cast<uint32_t>(body.size()), 4) + body;
    }
    return file;
}

// Notes as a sequencer writes them: note-on and note-off pairs in running status on the
// track's channel, a controller now and then, deltas from 0 to 120 ticks.
std::string busyTrack(int track, int events, std::mt19937& random)
{
    std::string text = number(0) + static_cast<char>(0xC0 | (track & 15)) + static_cast<char>(track);
    text += number(0) + static_cast<char>(0x90 | (track & 15));
    for (int i = 1; i < events - 1; ++i) {
        char key = static_cast<char>(36 + random() % 48);
        if (i % 50 == 0) {
            text += number(0) + static_cast<char>(0xB0 | (track & 15)) + '\x0B'
                    + static_cast<char>(random() % 128) + number(0) + static_cast<char>(0x90 | (track & 15));
            ++i;
        }
        text += number(random() % 121) + key + static_cast<char>(i % 2 == 0 ? 0 : 100);
    }
    return text;
}

void writeFile(const char* name, const std::string& bytes)
{
    std::ofstream out(name, std::ios::binary);
    out << bytes;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Loads and merges the file rounds times; the median and best load and merge times in ms.
void timeLoad(const char* label, const char* name, int rounds)
{
    std::vector<double> loads;
    std::vector<double> merges;
    HMIDISource source;
    HMIDIPlayState state;
    size_t count = 0;
    for (int round = 0; round < rounds; ++round) {
        source.setFile(HFile(name));
        Clock::time_point start = Clock::now();
        if (!source.load()) {
            printf("midi parse: %s does not load\n", label);
            return;
        }
        loads.push_back(msSince(start));
        start = Clock::now();
        source.buildPlayList(&state, HMIDISource::ALL_TRACKS);
        merges.push_back(msSince(start));
        count = source.getPlayListCount();
    }
    printf("midi parse: %s, %zu events: read and parsed %.1f ms, merged %.1f ms (median of %d; best %.1f + %.1f)\n",
           label, count, median(loads), median(merges), rounds,
           *std::min_element(loads.begin(), loads.end()), *std::min_element(merges.begin(), merges.end()));
}

}  // namespace

void benchMidiParse()
{
    const int kEvents = 100000;
    const char* name = "tessel-bench.mid";
    for (int tracks : {16, 2, 256}) {
        std::mt19937 random(7);
        std::vector<std::string> events;
        for (int t = 0; t < tracks; ++t) {
            events.push_back(busyTrack(t, kEvents / tracks - 1, random));
        }
        writeFile(name, midiFile(events));
        std::string label = std::to_string(tracks) + " tracks";
        timeLoad(label.c_str(), name, 15);
    }
    std::remove(name);
}

#if defined(_WIN32)
namespace {

// The platform's timer with an output that only notes when each note-on went out.
class RecordingOutput : public HMIDISystem {
public:
    RecordingOutput() { m_previous = install(this); }
    ~RecordingOutput() override { install(m_previous); }

    uint32_t setTimer(uint32_t delay, uint32_t resolution, TimerCallback callback,
                      uintptr_t value) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_armed) {
            m_armed = true;
            m_start = Clock::now();
        }
        return HMIDISystem::setTimer(delay, resolution, callback, value);
    }
    uint32_t openOutput(Output* output) override
    {
        *output = this;
        return RESULT_OK;
    }
    uint32_t resetOutput(Output) override { return RESULT_OK; }
    uint32_t sendShortMessage(Output, uint32_t message) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if ((message & 0xF0) == 0x90) {
            m_times.push_back(msSince(m_start));
        }
        return RESULT_OK;
    }
    uint32_t closeOutput(Output) override { return RESULT_OK; }

    // Milliseconds from the first timer armed to each note-on.
    std::vector<double> times()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_times;
    }

private:
    HMIDISystem* m_previous;
    std::mutex m_lock;
    bool m_armed = false;
    Clock::time_point m_start;
    std::vector<double> m_times;
};

}  // namespace

void benchMidiTiming()
{
    // About a minute of note-ons at the default tempo: eighths down to single ticks, and
    // chords (no ticks between).
    const uint32_t pattern[] = {240, 120, 60, 30, 15, 7, 1, 0};
    std::string events;
    uint64_t ticks = 0;
    while (ticks * 500.0 / 480 < 60000) {
        for (uint32_t delta : pattern) {
            events += number(delta) + '\x90' + static_cast<char>(60 + ticks % 12) + '\x40';
            ticks += delta;
        }
    }
    const char* name = "tessel-timing.mid";
    writeFile(name, midiFile({events}));

    // The schedule the player keeps to: the first event 100 ms after it is armed, then each
    // wait after the one before (HMIDIMessage::delayMs), all measured from the first timer.
    HMIDISource source;
    source.setFile(HFile(name));
    HMIDIPlayState state;
    source.load();
    source.buildPlayList(&state, HMIDISource::ALL_TRACKS);
    std::vector<double> schedule;
    std::vector<double> nominal;  // the file's own time, without truncation or periods
    for (size_t i = 0; i < source.getPlayListCount(); ++i) {
        HMIDIMessage* m = source.getPlayListItem(i);
        if (m->getStatus() != 0x90) {
            continue;
        }
        double wait = schedule.empty() ? 100 : m->getTicks() > 0 ? m->delayMs() : 0;
        schedule.push_back((schedule.empty() ? 0 : schedule.back()) + wait);
        nominal.push_back(100 + static_cast<double>(m->getTime()) * 500.0 / 480);
    }

    // The music plays while this thread runs a window's message loop, as the editor's does;
    // another thread ends the loop once the player has stopped. Without a display there is no
    // window, and this thread only waits.
    RecordingOutput output;
    HMIDIPlayer player(nullptr, 2005, name);
    HWindow window;
    window.setClassName("TesselMidiBench");
    window.setBounds(0, 0, 200, 100);
    window.create();
    bool loop = window.getHandle() != nullptr;
    player.play();
    Clock::time_point start = Clock::now();
    DWORD thread = GetCurrentThreadId();
    std::thread watcher([&player, start, loop, thread] {
        while (player.isPlaying() && msSince(start) < 120000) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (loop) {
            PostThreadMessageA(thread, WM_QUIT, 0, 0);
        }
    });
    if (loop) {
        window.show(true);
    }
    watcher.join();
    window.dispose();
    std::vector<double> times = output.times();
    std::remove(name);
    if (times.size() != schedule.size()) {
        printf("midi timing: %zu of %zu note-ons went out\n", times.size(), schedule.size());
        return;
    }
    std::vector<double> lateness;
    std::vector<double> waitErrors;  // each armed wait against its delay
    for (size_t i = 0; i < times.size(); ++i) {
        lateness.push_back(times[i] - schedule[i]);
        if (i > 0 && schedule[i] > schedule[i - 1]) {
            waitErrors.push_back((times[i] - times[i - 1]) - (schedule[i] - schedule[i - 1]));
        }
    }
    double worstWait = *std::max_element(waitErrors.begin(), waitErrors.end());
    double meanWait = 0;
    for (double error : waitErrors) {
        meanWait += error / waitErrors.size();
    }
    printf("midi timing: %zu note-ons over %.1f s, period %u ms, %s; each of %zu waits late by %.2f ms median, %.2f ms mean, %.2f ms worst\n",
           times.size(), nominal.back() / 1000, state.getTimerPeriod(),
           loop ? "a message loop running" : "no message loop (no display)", waitErrors.size(),
           median(waitErrors), meanWait, worstWait);
    printf("midi timing: against the player's schedule, events late by %.1f ms median, %.1f ms worst (the last %.1f ms)\n",
           median(lateness), *std::max_element(lateness.begin(), lateness.end()), lateness.back());
    printf("midi timing: drift over the file: last event at %.1f ms, file time %.1f ms: %+.1f ms "
           "(%+.1f ms of it the schedule's own truncation and periods)\n",
           times.back(), nominal.back(), times.back() - nominal.back(), schedule.back() - nominal.back());
}
#else
void benchMidiTiming()
{
    printf("midi timing: skipped, the multimedia timer is Windows only\n");
}
#endif
