#include "framework/HFileWriter.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "framework/HSystem.h"
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

// Every way a save can fail leaves the previous file as it was and no temporary behind.
struct Fault {
    const char* name;
    int failWriteAt;
    int64_t spaceLeft;
    bool failFlush;
    bool failClose;
    bool failReplace;
    const char* logged;
};

class HFileWriterFault : public ::testing::TestWithParam<Fault> {};

TEST_P(HFileWriterFault, KeepsThePreviousFileAndRemovesTheTemporary)
{
    const Fault& fault = GetParam();
    TestFolder folder;
    TestFolder::write("target", kPrevious);
    LogCapture log({"info"});
    FaultySystem faulty;
    faulty.failWriteAt = fault.failWriteAt;
    faulty.spaceLeft = fault.spaceLeft;
    faulty.failFlush = fault.failFlush;
    faulty.failClose = fault.failClose;
    faulty.failReplace = fault.failReplace;

    // 20,000 bytes through the 8,192-byte buffer: three writes (first, middle, last).
    HFileWriter writer(HFile("target"));
    EXPECT_FALSE(save(pattern(20000), &writer));
    EXPECT_EQ(writer.getError(), FaultySystem::INJECTED_ERROR);
    EXPECT_EQ(TestFolder::read("target"), kPrevious);
    EXPECT_EQ(TestFolder::list(), "target");
    if (fault.logged != nullptr) {
        EXPECT_TRUE(log.contains(fault.logged)) << log.text();
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllFaults, HFileWriterFault,
    ::testing::Values(Fault{"FirstWrite", 1, -1, false, false, false, nullptr},
                      Fault{"MiddleWrite", 2, -1, false, false, false, nullptr},
                      Fault{"LastWrite", 3, -1, false, false, false, nullptr},
                      Fault{"DiskFullInTheFirstBuffer", 0, 100, false, false, false, nullptr},
                      Fault{"DiskFullInTheLastBuffer", 0, 19999, false, false, false, nullptr},
                      Fault{"Flush", 0, -1, true, false, false, nullptr},
                      Fault{"Close", 0, -1, false, true, false, "open error:112"},
                      Fault{"Replace", 0, -1, false, false, true, "replace error:112"}),
    [](const ::testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

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
