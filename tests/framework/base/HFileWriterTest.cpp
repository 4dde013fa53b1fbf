#include "framework/base/HFileWriter.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "framework/base/HSystem.h"
#include "framework/base/HText.h"
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
bool save(const std::string& bytes)
{
    HFileWriter writer(HFile("target"));
    if (!writer.open()) {
        return false;
    }
    bool wrote = writer.write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    bool closed = writer.close();
    return wrote && closed;
}

}  // namespace

TEST(HFileWriterWriting, WritesEveryPieceInOrderAndReplacesTheTargetWhole)
{
    TestFolder folder;
    TestFolder::write("target", std::string(50000, 'x'));
    std::string bytes = pattern(20000);
    ASSERT_TRUE(save(bytes));
    EXPECT_EQ(TestFolder::read("target"), bytes);

    // Pieces around a small buffer, which changes size halfway with bytes still in it; a
    // name whose second byte is 0x5C ("ソ") is no folder.
    HFileWriter writer(HFile("ソ"));
    ASSERT_TRUE(writer.setBufferSize(7));
    ASSERT_TRUE(writer.open());
    std::string expected;
    for (size_t size : {0u, 1u, 6u, 7u, 8u, 15u, 3u, 100u, 2u, 9u}) {
        if (size == 100) {
            ASSERT_TRUE(writer.setBufferSize(5));
        }
        std::string piece = pattern(size + 3).substr(3);
        ASSERT_TRUE(writer.write(piece.data(), static_cast<uint32_t>(piece.size())));
        expected += piece;
    }
    ASSERT_TRUE(writer.close());
    EXPECT_EQ(TestFolder::read("ソ"), expected);
    std::string names = TestFolder::list();
    EXPECT_EQ(std::count(names.begin(), names.end(), ' '), 1) << names;  // no temporary left
}

TEST(HFileWriterWriting, NeedsOneOpenFile)
{
    TestFolder folder;
    LogCapture log({"info"});
    HFileWriter writer(HFile("target"));
    EXPECT_FALSE(writer.write("x", 1));
    EXPECT_FALSE(writer.flush());
    EXPECT_FALSE(writer.close());
    EXPECT_FALSE(TestFolder::exists("target"));
    ASSERT_TRUE(writer.open());
    EXPECT_FALSE(writer.open());
    EXPECT_TRUE(writer.close());
    EXPECT_FALSE(writer.close());
    EXPECT_TRUE(log.contains("情報：open error:file is not closed."));
}

TEST(HFileWriterWriting, TakesTheNextFreeTemporaryName)
{
    TestFolder folder;
    TestFolder::makeFolder("target.tmp");
    HFileWriter first(HFile("target"));
    ASSERT_TRUE(first.open());
    EXPECT_EQ(first.getTemporaryPath(), ".\\target.tmp1");
    TestFolder::write("target.tmp2", "someone's file");
    HFileWriter second(HFile("target"));
    ASSERT_TRUE(second.open());
    EXPECT_EQ(second.getTemporaryPath(), ".\\target.tmp3");
    ASSERT_TRUE(second.write("new", 3));
    ASSERT_TRUE(second.close());
    EXPECT_EQ(TestFolder::read("target"), "new");
    EXPECT_EQ(TestFolder::read("target.tmp2"), "someone's file");
    EXPECT_EQ(HFile("target.tmp").getType(), HFile::TYPE_DIRECTORY);
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
void expectUntouched(const Outcome& outcome, bool previous, uint32_t error, const char* logged,
                     const std::string& where)
{
    EXPECT_FALSE(outcome.ok) << where;
    EXPECT_EQ(outcome.error, error) << where;
    EXPECT_EQ(outcome.targetExists, previous) << where;
    if (previous) {
        EXPECT_EQ(outcome.target, kPrevious) << where;
    }
    EXPECT_EQ(outcome.folder, previous ? "target" : "") << where;
    std::string line = HText::format("情報：%s error:%u", logged, error);
    EXPECT_NE(outcome.log.find(line), std::string::npos) << where << "\n" << outcome.log;
}

// One fault the system can meet during a save, and how the writer must report it.
struct Fault {
    std::string name;
    std::function<void(FaultySystem&)> arrange;
    uint32_t error;
    const char* logged;  // the operation the log line names
    int writes;          // system writes made when the save stops; -1: any
};

// The faults of a save in the layout: each step failing (and two of them), each write failing
// (nothing is written after it), the disk filling up at and around every buffer boundary.
std::vector<Fault> faultsOf(const Layout& layout)
{
    using S = FaultySystem;
    std::vector<Fault> faults = {
        {"create", [](FaultySystem& f) { f.failCreateAt = 1; }, S::CREATE_ERROR, "open", 0},
        {"sync", [](FaultySystem& f) { f.failFlushAt = 1; }, S::FLUSH_ERROR, "flush", -1},
        {"close", [](FaultySystem& f) { f.failCloseAt = 1; }, S::CLOSE_ERROR, "open", -1},
        {"replace", [](FaultySystem& f) { f.failReplaceAt = 1; }, S::REPLACE_ERROR, "replace", -1},
        // Of two faults, the first is the one reported.
        {"sync and close", [](FaultySystem& f) { f.failFlushAt = f.failCloseAt = 1; },
         S::FLUSH_ERROR, "flush", -1}};
    int writes = attempt(layout, false, [](FaultySystem&) {}).writes;
    EXPECT_GE(writes, 4);
    for (int k = 1; k <= writes; ++k) {
        faults.push_back({"write " + std::to_string(k), [k](FaultySystem& f) { f.failWriteAt = k; },
                          S::WRITE_ERROR, "write", k});
    }
    const int64_t buffer = HFileWriter::DEFAULT_BUFFER_SIZE;
    for (int64_t space : {int64_t{0}, int64_t{1}, buffer - 1, buffer, buffer + 1, 2 * buffer,
                          3 * buffer, static_cast<int64_t>(kPayload.size()) - 1}) {
        faults.push_back({"space " + std::to_string(space),
                          [space](FaultySystem& f) { f.spaceLeft = space; },
                          S::WRITE_ERROR, "write", -1});
    }
    return faults;
}

}  // namespace

TEST(HFileWriterFaultMatrix, AnyOneFaultAtAnyBufferBoundaryChangesNothing)
{
    for (const Layout& layout : kLayouts) {
        for (const Fault& fault : faultsOf(layout)) {
            for (bool previous : {true, false}) {
                std::string where = HText::format(
                    "buffer %u, pieces of %u, %s previous file, %s", layout.buffer,
                    static_cast<unsigned>(layout.piece), previous ? "a" : "no", fault.name.c_str());
                Outcome outcome = attempt(layout, previous, fault.arrange);
                expectUntouched(outcome, previous, fault.error, fault.logged, where);
                if (fault.writes >= 0) {
                    EXPECT_EQ(outcome.writes, fault.writes) << where;
                }
            }
        }
    }
}

// A short write, and a disk with exactly the room the file needs.
TEST(HFileWriterFaultMatrix, AShortWriteIsCompletedNotLost)
{
    const int64_t size = static_cast<int64_t>(kPayload.size());
    for (const Layout& layout : kLayouts) {
        int writes = attempt(layout, false, [](FaultySystem&) {}).writes;
        for (int k = 1; k <= writes; ++k) {
            Outcome outcome = attempt(layout, true, [k, size](FaultySystem& f) {
                f.shortWriteAt = k;
                f.spaceLeft = size;
            });
            EXPECT_TRUE(outcome.ok) << layout.buffer << " " << layout.piece << " " << k;
            EXPECT_EQ(outcome.target, kPayload) << layout.buffer << " " << layout.piece << " " << k;
            EXPECT_EQ(outcome.folder, "target");
            EXPECT_EQ(outcome.writes, writes + 1);
        }
    }
}

TEST(HFileWriterFaults, AFailedWriteRefusesEveryLaterWriteUntilTheNextOpen)
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
    ASSERT_TRUE(writer.open());
    EXPECT_TRUE(writer.write("7", 1));
    EXPECT_TRUE(writer.close());
    EXPECT_EQ(TestFolder::read("target"), "7");
}

TEST(HFileWriterFaults, ATargetThatCannotBeReplacedStaysAsItWas)
{
    enum Kind { READ_ONLY, HELD_WITHOUT_SHARING, FOLDER };
    for (Kind kind : {READ_ONLY, HELD_WITHOUT_SHARING, FOLDER}) {
        TestFolder folder;
        TestFolder::write("target", kPrevious);
        HSystem::Handle holder = nullptr;
        if (kind == READ_ONLY) {
            std::filesystem::permissions("target", std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::remove);
        } else if (kind == HELD_WITHOUT_SHARING) {
            holder = HSystem::get().open("target", HSystem::OPEN_READ, nullptr);
            ASSERT_NE(holder, nullptr);
        } else {
            std::filesystem::remove("target");
            TestFolder::makeFolder("target\\inside");
        }
        std::string before = kind == FOLDER ? "" : kPrevious;
        EXPECT_FALSE(save(pattern(100))) << kind;
        if (holder != nullptr) {
            HSystem::get().close(holder);
        }
        EXPECT_EQ(TestFolder::read("target"), before) << kind;
        EXPECT_EQ(TestFolder::list(), "target") << kind;
    }
}

TEST(HFileWriterFaults, AWriterDestroyedWithoutCloseOrInAMissingFolderChangesNothing)
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

    LogCapture log({"info"});
    HFileWriter writer(HFile("missing\\target"));
    EXPECT_FALSE(writer.open());
    EXPECT_EQ(writer.getError(), 3u);  // the platform's "path not found"
    EXPECT_TRUE(log.contains("情報：open error:3"));
}
