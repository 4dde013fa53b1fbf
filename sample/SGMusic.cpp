#include "sample/SGMusic.h"

#include <algorithm>
#include <cstdio>

#include "framework/base/HFile.h"
#include "framework/base/HFileWriter.h"
#include "sample/SGNoise.h"

namespace {

const int kDivision = 480;  // ticks per quarter note
const int kBars = 8;
const int kBeats = 4;

// The character of a piece: scale steps above the key note, tempo, General MIDI programs of
// the melody and the bass.
struct Mood {
    const char* name;
    int key;                   // MIDI note of the melody's key
    std::vector<int> scale;    // semitones above the key, within an octave
    int beatsPerMinute;
    int melody;
    int bass;
};

const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};
const std::vector<int> kPentatonic = {0, 2, 4, 7, 9};
const std::vector<int> kMinorPentatonic = {0, 3, 5, 7, 10};
const std::vector<int> kDorian = {0, 2, 3, 5, 7, 9, 10};
const std::vector<int> kPhrygian = {0, 1, 3, 5, 7, 8, 10};

const Mood kMoods[] = {
    {"yama.mid", 62, kMinorPentatonic, 84, 73, 32},    // mountains: flute, acoustic bass
    {"toride.mid", 60, kMinor, 112, 56, 33},           // fortress: trumpet
    {"yuki.mid", 72, kPentatonic, 72, 10, 32},         // snow: music box
    {"mori.mid", 62, kDorian, 96, 71, 32},             // forest: clarinet
    {"heigen.mid", 64, kMajor, 104, 24, 32},           // plains: nylon guitar
    {"oto.mid", 60, kMajor, 92, 48, 43},               // the capital: strings, contrabass
    {"umi.mid", 67, kMajor, 80, 46, 32},               // the sea: harp
    {"shima.mid", 65, kPentatonic, 120, 12, 32},       // islands: marimba
    {"kazan.mid", 57, kPhrygian, 132, 19, 43},         // the volcano: organ
};

const Mood& moodOf(const std::string& name)
{
    for (const Mood& mood : kMoods) {
        if (name == mood.name) {
            return mood;
        }
    }
    return kMoods[4];
}

uint32_t seedOf(const std::string& name)
{
    uint32_t seed = 2166136261u;
    for (char c : name) {
        seed = (seed ^ static_cast<uint8_t>(c)) * 16777619u;
    }
    return seed;
}

struct Event {
    uint32_t tick;
    int order;  // at one tick: set-up first, then note offs, then note ons
    std::string bytes;
};

std::string bigEndian(uint32_t value, int bytes)
{
    std::string text;
    for (int i = bytes - 1; i >= 0; --i) {
        text += static_cast<char>(value >> (8 * i));
    }
    return text;
}

std::string variableLength(uint32_t value)
{
    std::string text(1, static_cast<char>(value & 0x7F));
    for (value >>= 7; value != 0; value >>= 7) {
        text.insert(text.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    }
    return text;
}

std::string bytes(std::initializer_list<int> values)
{
    std::string text;
    for (int value : values) {
        text += static_cast<char>(value);
    }
    return text;
}

void addNote(std::vector<Event>* events, int channel, int note, uint32_t start, uint32_t length,
             int velocity)
{
    events->push_back({start, 2, bytes({0x90 | channel, note, velocity})});
    events->push_back({start + length, 1, bytes({0x80 | channel, note, 0})});
}

// The note of scale degree d (any integer; seven degrees or five make an octave).
int noteOf(const Mood& mood, int degree)
{
    int size = static_cast<int>(mood.scale.size());
    int octave = degree >= 0 ? degree / size : -((-degree + size - 1) / size);
    return mood.key + 12 * octave + mood.scale[static_cast<size_t>(degree - octave * size)];
}

}  // namespace

std::string SGMusic::compose(const std::string& name)
{
    const Mood& mood = moodOf(name);
    SGNoise random(seedOf(name));
    std::vector<Event> events;
    uint32_t tempo = 60000000u / static_cast<uint32_t>(mood.beatsPerMinute);
    events.push_back({0, 0, bytes({0xFF, 0x51, 3}) + bigEndian(tempo, 3)});
    events.push_back({0, 0, bytes({0xFF, 0x58, 4, 4, 2, 24, 8})});
    events.push_back({0, 0, bytes({0xC0, mood.melody})});
    events.push_back({0, 0, bytes({0xC1, mood.bass})});
    events.push_back({0, 0, bytes({0xB0, 7, 100})});
    events.push_back({0, 0, bytes({0xB1, 7, 90})});

    // A bass note a bar, walking I IV V I twice; a melody that steps through the scale and
    // comes home on the last bar.
    const int progression[kBars] = {0, 3, 4, 0, 0, 3, 4, 0};
    const uint32_t bar = kDivision * kBeats;
    int degree = 0;
    for (int b = 0; b < kBars; ++b) {
        uint32_t start = static_cast<uint32_t>(b) * bar;
        addNote(&events, 1, noteOf(mood, progression[b]) - 24, start, bar - kDivision / 4, 80);
        if (b == kBars - 1) {
            addNote(&events, 0, noteOf(mood, 0), start, bar - kDivision / 4, 96);
            break;
        }
        for (uint32_t at = start; at < start + bar;) {
            static const uint32_t kLengths[] = {kDivision / 2, kDivision, kDivision, kDivision * 2};
            uint32_t length = std::min(kLengths[random.below(4)], start + bar - at);
            degree += random.below(5) - 2;
            degree = std::max(-2, std::min(9, degree));
            addNote(&events, 0, noteOf(mood, degree), at, length - length / 8,
                    76 + random.below(32));
            at += length;
        }
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::string track;
    uint32_t previous = 0;
    for (const Event& event : events) {
        track += variableLength(event.tick - previous) + event.bytes;
        previous = event.tick;
    }
    track += bytes({0, 0xFF, 0x2F, 0});
    return "MThd" + bigEndian(6, 4) + bigEndian(0, 2) + bigEndian(1, 2) + bigEndian(kDivision, 2)
           + "MTrk" + bigEndian(static_cast<uint32_t>(track.size()), 4) + track;
}

bool SGMusic::write(const std::string& root, const std::vector<std::string>& names)
{
    HFile folder(root + "\\Music");
    if (!folder.exists()) {
        folder.makeDirectory();
    }
    for (const std::string& name : names) {
        std::string path = folder.getPath() + "\\" + name;
        std::string piece = compose(name);
        HFileWriter writer{HFile(path)};
        if (!writer.open() || !writer.write(piece.data(), static_cast<uint32_t>(piece.size()))
            || !writer.close()) {
            printf("error: cannot write %s (error %u)\n", path.c_str(), writer.getError());
            return false;
        }
    }
    printf("Music: %u pieces\n", static_cast<unsigned>(names.size()));
    return true;
}
