#include "framework/midi/HMIDISource.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/midi/HMIDIMessage.h"
#include "framework/midi/HMIDITrack.h"
#include "tests/support/LogCapture.h"
#include "tests/support/MidiFile.h"
#include "tests/support/TestFolder.h"

namespace {

using M = MidiFile;

class MIDISource : public ::testing::Test {
protected:
    bool load(const std::string& bytes)
    {
        TestFolder::write("song.mid", bytes);
        source.setFile(HFile("song.mid"));
        return source.load();
    }

    // The messages of a track as their descriptions with their absolute times.
    std::vector<std::string> describe(size_t track)
    {
        std::vector<std::string> lines;
        HMIDITrack* t = source.getTrack(track);
        for (size_t i = 0; t != nullptr && i < t->getCount(); ++i) {
            HMIDIMessage* m = t->getMessage(i);
            lines.push_back(m->getDescription() + " @" + std::to_string(m->getTime()));
        }
        return lines;
    }

    TestFolder folder;
    LogCapture log{"info"};
    HMIDISource source;
};

}  // namespace

// Controller 0x7E (mono mode on) with the value 4 once swallowed the byte after it: the next
// event's delta time.
TEST_F(MIDISource, ReadsEveryKindOfEventWithRunningStatusAndData)
{
    std::string events = M::event(0, {0x90, 0x3C, 0x40}) + M::event(0, {0x3E, 0x40})
                         + M::event(96, {0x81, 0x3C, 0x00}) + M::event(0, {0xA2, 0x3E, 0x10})
                         + M::event(0, {0xB3, 0x7E, 0x04}) + M::event(4, {0xC4, 0x05})
                         + M::event(0, {0xD5, 0x30}) + M::event(0, {0xE6, 0x00, 0x40})
                         + M::event(0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7}) + M::meta(0, 0x03, "Lead")
                         + M::event(0, {0xF8}) + M::event(0x0FFFFFFF, {0x90, 0x40, 0x40});
    // Seventeen deltas of the largest size: the time needs more than 32 bits.
    for (int i = 1; i < 17; ++i) {
        events += M::event(0x0FFFFFFF, {0x40, 0x00});
    }
    ASSERT_TRUE(load(M::file(96, {events})));
    EXPECT_EQ(source.getFormat(), 1);
    EXPECT_EQ(source.getTrackCount(), 1);
    EXPECT_EQ(source.getDivision(), 96);
    std::vector<std::string> expected = {
        "CH0:NOTE_ON  3C 40 @0", "CH0:NOTE_ON  3E 40 @0", "CH1:NOTE_OFF 3C 00 @96",
        "CH2:POLY_KEY 3E 10 @96", "CH3:CTRL_CHG 7E 04 @96", "CH4:PRGM_CHG 05 @100",
        "CH5:POLY_ALL 30 @100", "CH6:PICH_BNT 00 40 @100", "CH0:SYSTEMEX 00 len=4 @100",
        "CHF:META_EVT 03 len=4 @100", "CH8:SYSTEM   F8 @100",
        "CH0:NOTE_ON  40 40 @" + std::to_string(100 + 0x0FFFFFFFull),
    };
    std::vector<std::string> lines = describe(0);
    ASSERT_EQ(lines.size(), expected.size() + 17);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expected.size()), expected);
    EXPECT_EQ(lines.back(), "CHF:META_EVT 2F len=0 @" + std::to_string(100 + 17 * 0x0FFFFFFFull));

    HMIDITrack* track = source.getTrack(0);
    EXPECT_EQ(track->getMessage(2)->getShortMessage(), 0x003C81u);
    HMIDIMessage* exclusive = track->getMessage(8);
    ASSERT_EQ(exclusive->getExtraLength(), 4u);
    EXPECT_EQ(memcmp(exclusive->getExtraData(), "\xF0\x7E\x7F\xF7\0", 5), 0);
    HMIDIMessage* name = track->getMessage(9);
    EXPECT_STREQ(reinterpret_cast<const char*>(name->getExtraData()), "Lead");
    EXPECT_EQ(log.text().find(" INF "), std::string::npos) << "a sound file logs no fault";
}

TEST_F(MIDISource, DropsATrackWhoseLengthRunsPastTheFileAndReadsNoFurther)
{
    std::string good = M::track(M::event(0, {0x90, 0x3C, 0x40}) + M::endOfTrack());
    std::string body = M::event(0, {0x90, 0x3E, 0x40}) + M::endOfTrack();
    // One byte too long, and lengths that wrap a 32-bit end round to before the chunk.
    for (uint32_t length : {static_cast<uint32_t>(body.size() + good.size() + 1), 0xFFFFFFFFu,
                            0xFFFFFFF8u}) {
        ASSERT_TRUE(load(M::header(1, 3, 480) + good + M::track(body, length) + good)) << length;
        EXPECT_EQ(source.getTrackListCount(), 1u) << length;
    }
    EXPECT_EQ(log.missing({"createByBuffer:error header", "load:error (trk neq chk)"}), "");
}

TEST_F(MIDISource, KeepsTracksThatEndEarlyOrNeverAndReadsOnAtTheChunkEnd)
{
    std::string unended = M::track(M::event(0, {0x90, 0x3C, 0x40}));
    std::string early = M::track(M::event(0, {0x90, 0x3E, 0x40}) + M::endOfTrack()
                                 + M::event(0, {0x90, 0x40, 0x40}));
    std::string normal = M::track(M::event(5, {0x91, 0x41, 0x40}) + M::endOfTrack());
    ASSERT_TRUE(load(M::header(1, 3, 480) + unended + early + normal));
    ASSERT_EQ(source.getTrackListCount(), 3u);
    EXPECT_EQ(describe(0), std::vector<std::string>{"CH0:NOTE_ON  3C 40 @0"});
    EXPECT_EQ(source.getTrack(1)->getCount(), 2u);
    EXPECT_EQ(describe(2), (std::vector<std::string>{"CH1:NOTE_ON  41 40 @5",
                                                     "CHF:META_EVT 2F len=0 @5"}));
    EXPECT_FALSE(log.contains("trk neq chk"));
    EXPECT_EQ(log.missing({"createByBuffer:error track end", "createByBuffer:warn escape track end"}), "");
}

TEST_F(MIDISource, DropsDamagedEventsAndPadsShortMetaData)
{
    std::string events = M::event(0, {0x3C, 0x40})             // data with no status before it
                         + M::meta(0, 0x51, std::string("\x07\xA1", 2))  // tempo one byte short
                         + M::meta(0, 0x60, "?")                 // no such meta type
                         + M::event(0, {0x90, 0x3C, 0x40})
                         + M::event(0, {0xF0, 0x7F, 0x01});      // longer than the track
    ASSERT_TRUE(load(M::header(1, 1, 480) + M::track(events)));
    std::vector<std::string> expected = {"CHF:META_EVT 51 len=3 @0", "CHF:META_EVT 60 len=1 @0",
                                         "CH0:NOTE_ON  3C 40 @0", "CH0:SYSTEMEX 00 len=0 @0"};
    EXPECT_EQ(describe(0), expected);
    HMIDIMessage* tempo = source.getTrack(0)->getMessage(0);
    EXPECT_EQ(memcmp(tempo->getExtraData(), "\x07\xA1\0\0", 4), 0);
    EXPECT_EQ(source.getTrack(0)->getMessage(3)->getExtraData(), nullptr);
    EXPECT_EQ(log.missing({"message code error", "checkMetaEvent:error length", "checkMetaEvent:error type",
                           "error length over", "createByBuffer:error track end"}),
              "");
}
