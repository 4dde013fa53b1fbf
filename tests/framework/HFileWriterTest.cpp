#include "framework/HFileWriter.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "framework/HSystem.h"
#include "framework/HText.h"
#include "tests/support/FaultySystem.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

std::string pattern(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    }
    return bytes;
}

const std::string kPrevious = "previous contents\r\n";

// Writes the bytes to "target" in one write and closes; true when both succeeded.
bool save(const std::string& bytes, HFileWriter* writer = nullptr)
{
    HFileWriter local(HFile("target"));
    HFileWriter& w = writer != nullptr ? *writer : local;
    if (!w.open()) {
        return false;
    }
    bool wrote = w.write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    bool closed = w.close();
    return wrote && closed;
}

}  // namespace

TEST(HFileWriterWriting, WritesLargeAndSmallPiecesInOrder)
{
    TestFolder folder;
    std::string bytes = pattern(20000);
    ASSERT_TRUE(save(bytes));
    EXPECT_EQ(TestFolder::read("target"), bytes);

    HFileWriter writer(HFile("target"));
    ASSERT_TRUE(writer.setBufferSize(7));
    ASSERT_TRUE(writer.open());
    std::string expected;
    for (size_t size : {0u, 1u, 6u, 7u, 8u, 15u, 3u, 100u}) {
        std::string piece = pattern(size + 3).substr(3);
        ASSERT_TRUE(writer.write(piece.data(), static_cast<uint32_t>(piece.size())));
        expected += piece;
    }
    ASSERT_TRUE(writer.close());
    EXPECT_EQ(TestFolder::read("target"), expected);
    EXPECT_EQ(TestFolder::list(), "target");
}

TEST(HFileWriterWriting, ReplacesAnExistingFileWhole)
{
    TestFolder folder;
    TestFolder::write("target", std::string(50000, 'x'));
    ASSERT_TRUE(save("short"));
    EXPECT_EQ(TestFolder::read("target"), "short");
    EXPECT_EQ(TestFolder::list(), "target");
}

TEST(HFileWriterWriting, OpenTwiceWithoutCloseFails)
{
    TestFolder folder;
    LogCapture log({"info"});
    HFileWriter writer(HFile("target"));
    ASSERT_TRUE(writer.open());
    EXPECT_FALSE(writer.open());
    EXPECT_TRUE(writer.close());
    EXPECT_FALSE(writer.close());
    EXPECT_TRUE(log.contains("情報：open error:file is not closed."));
}

TEST(HFileWriterWriting, NeedsAnOpenFile)
{
    TestFolder folder;
    HFileWriter writer(HFile("target"));
    EXPECT_FALSE(writer.write("x", 1));
    EXPECT_FALSE(writer.flush());
    EXPECT_FALSE(writer.close());
    EXPECT_FALSE(TestFolder::exists("target"));
}

TEST(HFileWriterWriting, TakesAnotherTemporaryNameWhenOneIsTaken)
{
    TestFolder folder;
    TestFolder::write("target", kPrevious);
    TestFolder::makeFolder("target.tmp");
    TestFolder::write("target.tmp1", "someone's file");
    HFileWriter writer(HFile("target"));
    ASSERT_TRUE(writer.open());
    EXPECT_EQ(writer.getTemporaryPath(), ".\\target.tmp2");
    ASSERT_TRUE(writer.write("new", 3));
    ASSERT_TRUE(writer.close());
    EXPECT_EQ(TestFolder::read("target"), "new");
    EXPECT_EQ(TestFolder::read("target.tmp1"), "someone's file");
    EXPECT_EQ(HFile("target.tmp").getType(), HFile::TYPE_DIRECTORY);
}

TEST(HFileWriterWriting, FailsToOpenInAMissingFolder)
{
    TestFolder folder;
    LogCapture log({"info"});
    HFileWriter writer(HFile("missing\\target"));
    EXPECT_FALSE(writer.open());
    EXPECT_NE(writer.getError(), 0u);
    EXPECT_TRUE(log.contains("情報：open error:"));
}

// The fault matrix: every way a save can fail leaves the previous file (or no file) as it
// was, no temporary behind, and reports the failure by its result, getError() and a log line.
namespace {

// Three buffers and a bit through the default buffer.
const std::string kPayload = pattern(3 * HFileWriter::DEFAULT_BUFFER_SIZE + 100);

struct Layout {
    uint32_t buffer;  // the writer's buffer size
    size_t piece;     // bytes per write() call
};
const Layout kLayouts[] = {{HFileWriter::DEFAULT_BUFFER_SIZE, kPayload.size()},
                           {HFileWriter::DEFAULT_BUFFER_SIZE, 700},
                           {1000, kPayload.size()},
                           {1000, 333}};

struct Outcome {
    bool ok;
    uint32_t error;
    bool targetExists;
    std::string target;
    std::string folder;  // TestFolder::list() afterwards
    std::string log;
    int writes;          // system writes to the temporary
};

// Saves kPayload to "target" (holding kPrevious first when previous is set) with the faults
// that arrange sets.
template <typename Arrange>
Outcome attempt(const Layout& layout, bool previous, Arrange arrange)
{
    TestFolder folder;
    if (previous) {
        TestFolder::write("target", kPrevious);
    }
    LogCapture log({"info"});
    Outcome outcome{};
    {
        FaultySystem faulty;
        arrange(faulty);
        HFileWriter writer(HFile("target"));
        bool ok = writer.setBufferSize(layout.buffer) && writer.open();
        for (size_t at = 0; ok && at < kPayload.size(); at += layout.piece) {
            size_t count = std::min(layout.piece, kPayload.size() - at);
            ok = writer.write(kPayload.data() + at, static_cast<uint32_t>(count));
        }
        bool closed = writer.close();
        outcome.ok = ok && closed;
        outcome.error = writer.getError();
        outcome.writes = faulty.writes;
    }
    outcome.targetExists = TestFolder::exists("target");
    outcome.target = TestFolder::read("target");
    outcome.folder = TestFolder::list();
    outcome.log = log.text();
    return outcome;
}

// What a failed save must leave: the previous file or none, nothing else, and the report.
void expectUntouched(const Outcome& outcome, bool previous, const std::string& logged,
                     const std::string& where)
{
    EXPECT_FALSE(outcome.ok) << where;
    EXPECT_EQ(outcome.error, FaultySystem::INJECTED_ERROR) << where;
    EXPECT_EQ(outcome.targetExists, previous) << where;
    if (previous) {
        EXPECT_EQ(outcome.target, kPrevious) << where;
    }
    EXPECT_EQ(outcome.folder, previous ? "target" : "") << where;
    EXPECT_NE(outcome.log.find("情報：" + logged), std::string::npos) << where << "\n" << outcome.log;
}

std::string describe(const Layout& layout, bool previous, const char* fault, int64_t at)
{
    return HText::format("buffer %u, pieces of %u, %s previous file, %s at %lld", layout.buffer,
                         static_cast<unsigned>(layout.piece), previous ? "a" : "no", fault,
                         static_cast<long long>(at));
}

}  // namespace

TEST(HFileWriterFaultMatrix, AWriteFailingAtAnyBufferBoundaryChangesNothing)
{
    for (const Layout& layout : kLayouts) {
        int writes = attempt(layout, false, [](FaultySystem&) {}).writes;
        ASSERT_GE(writes, 4);
        for (bool previous : {true, false}) {
            for (int k = 1; k <= writes; ++k) {
                Outcome outcome = attempt(layout, previous, [k](FaultySystem& f) { f.failWriteAt = k; });
                expectUntouched(outcome, previous, "write error:112", describe(layout, previous, "write", k));
                EXPECT_EQ(outcome.writes, k);  // nothing is written after the failure
            }
        }
    }
}

TEST(HFileWriterFaultMatrix, ARunningOutOfSpaceAtAnyBoundaryChangesNothing)
{
    const int64_t buffer = HFileWriter::DEFAULT_BUFFER_SIZE;
    const int64_t size = static_cast<int64_t>(kPayload.size());
    for (const Layout& layout : kLayouts) {
        for (bool previous : {true, false}) {
            for (int64_t space : {int64_t{0}, int64_t{1}, buffer - 1, buffer, buffer + 1,
                                  2 * buffer, 3 * buffer, size - 1}) {
                Outcome outcome = attempt(layout, previous, [space](FaultySystem& f) { f.spaceLeft = space; });
                expectUntouched(outcome, previous, "write error:112", describe(layout, previous, "space", space));
            }
            Outcome fits = attempt(layout, previous, [size](FaultySystem& f) { f.spaceLeft = size; });
            EXPECT_TRUE(fits.ok);
            EXPECT_EQ(fits.target, kPayload);
        }
    }
}

TEST(HFileWriterFaultMatrix, AShortWriteIsCompletedNotLost)
{
    for (const Layout& layout : kLayouts) {
        int writes = attempt(layout, false, [](FaultySystem&) {}).writes;
        for (int k = 1; k <= writes; ++k) {
            Outcome outcome = attempt(layout, true, [k](FaultySystem& f) { f.shortWriteAt = k; });
            EXPECT_TRUE(outcome.ok) << describe(layout, true, "short write", k);
            EXPECT_EQ(outcome.target, kPayload) << describe(layout, true, "short write", k);
            EXPECT_EQ(outcome.folder, "target");
            EXPECT_EQ(outcome.writes, writes + 1);
        }
    }
}

TEST(HFileWriterFaultMatrix, ACreateSyncCloseOrReplaceFailureChangesNothing)
{
    struct Step {
        const char* name;
        int FaultySystem::*field;
        const char* logged;
    };
    const Step steps[] = {{"create", &FaultySystem::failCreateAt, "open error:112"},
                          {"sync", &FaultySystem::failFlushAt, "flush error:112"},
                          {"close", &FaultySystem::failCloseAt, "open error:112"},
                          {"replace", &FaultySystem::failReplaceAt, "replace error:112"}};
    for (const Layout& layout : kLayouts) {
        for (bool previous : {true, false}) {
            for (const Step& step : steps) {
                Outcome outcome = attempt(layout, previous, [&step](FaultySystem& f) { f.*step.field = 1; });
                expectUntouched(outcome, previous, step.logged, describe(layout, previous, step.name, 1));
            }
        }
    }
}

TEST(HFileWriterFaults, AFailedWriteRefusesEveryLaterWrite)
{
    TestFolder folder;
    FaultySystem faulty;
    faulty.failWriteAt = 1;
    HFileWriter writer(HFile("target"));
    ASSERT_TRUE(writer.setBufferSize(4));
    ASSERT_TRUE(writer.open());
    EXPECT_FALSE(writer.write("12345", 5));
    EXPECT_FALSE(writer.write("6", 1));
    EXPECT_FALSE(writer.flush());
    EXPECT_FALSE(writer.close());
    EXPECT_FALSE(TestFolder::exists("target"));
    EXPECT_EQ(faulty.writes, 1);
}

TEST(HFileWriterFaults, AReadOnlyTargetIsNotReplaced)
{
    TestFolder folder;
    TestFolder::write("target", kPrevious);
    std::filesystem::permissions("target", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(save(pattern(100)));
    EXPECT_EQ(TestFolder::read("target"), kPrevious);
    EXPECT_EQ(TestFolder::list(), "target");
}

TEST(HFileWriterFaults, ATargetHeldOpenWithoutSharingIsNotReplaced)
{
    TestFolder folder;
    TestFolder::write("target", kPrevious);
    HSystem& system = HSystem::get();
    HSystem::Handle holder = system.open("target", HSystem::OPEN_READ, nullptr);
    ASSERT_NE(holder, nullptr);
    EXPECT_FALSE(save(pattern(100)));
    system.close(holder);
    EXPECT_EQ(TestFolder::read("target"), kPrevious);
    EXPECT_EQ(TestFolder::list(), "target");
}

TEST(HFileWriterFaults, AFolderInThePlaceOfTheTargetStays)
{
    TestFolder folder;
    TestFolder::makeFolder("target");
    TestFolder::write("target\\inside", "x");
    EXPECT_FALSE(save(pattern(100)));
    EXPECT_EQ(TestFolder::read("target\\inside"), "x");
    EXPECT_EQ(TestFolder::list(), "target");
}

TEST(HFileWriterFaults, AWriterDestroyedWithoutCloseChangesNothing)
{
    TestFolder folder;
    TestFolder::write("target", kPrevious);
    {
        HFileWriter writer(HFile("target"));
        ASSERT_TRUE(writer.open());
        ASSERT_TRUE(writer.write("half", 4));
        ASSERT_TRUE(writer.flush());
    }
    EXPECT_EQ(TestFolder::read("target"), kPrevious);
    EXPECT_EQ(TestFolder::list(), "target");
}
