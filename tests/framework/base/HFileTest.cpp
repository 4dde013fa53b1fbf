#include "framework/base/HFile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/base/HFileReader.h"
#include "framework/base/HSystem.h"
#include "tests/support/FaultySystem.h"
#include "tests/support/TestFolder.h"

TEST(HFilePath, SplitsAtTheLastRealBackslash)
{
    struct Case {
        std::string path;
        const char* directory;
        const char* name;
    };
    // "ソ" is 83 5C, "表" is 95 5C: neither second byte separates; a lead byte at the very end
    // has no trail byte, so the backslash before it still separates.
    const Case cases[] = {{"C:\\game\\Data\\AreaData", "C:\\game\\Data", "AreaData"},
                          {"AreaData", ".", "AreaData"},  {"dir\\", "dir", ""},
                          {"dir\\ソ表", "dir", "ソ表"}, {"ソ", ".", "ソ"},
                          {"ソ\\x", "ソ", "x"},         {"a\\\x83", "a", "\x83"}};
    for (const Case& c : cases) {
        HFile file(c.path);
        EXPECT_EQ(file.getDirectory(), c.directory) << c.path;
        EXPECT_EQ(file.getName(), c.name) << c.path;
        EXPECT_EQ(file.getPath(), std::string(c.directory) + "\\" + c.name);
    }
    for (const HFile& empty : {HFile(), HFile("")}) {
        EXPECT_TRUE(empty.isEmpty());
        EXPECT_EQ(empty.getPath(), "");
        EXPECT_EQ(empty.getType(), HFile::TYPE_NONE);
        EXPECT_TRUE(empty.getParent().isEmpty());
    }
    EXPECT_EQ(HFile("", "name").getPath(), "\\name");
}

TEST(HFileType, TellsFilesFromFoldersAndNothingAndMakesOneFolderLevel)
{
    TestFolder folder;
    TestFolder::write("file", "x");
    HFile sub(".", "sub");
    sub.makeDirectory();
    EXPECT_EQ(HFile("file").getType(), HFile::TYPE_FILE);
    EXPECT_EQ(HFile("sub").getType(), HFile::TYPE_DIRECTORY);
    EXPECT_EQ(HFile("missing").getType(), HFile::TYPE_NONE);
    EXPECT_TRUE(HFile("file").exists());
    EXPECT_FALSE(HFile("missing").exists());
    // An empty name is nothing even where the directory exists.
    EXPECT_EQ(HFile("sub", "").getType(), HFile::TYPE_NONE);
    TestFolder::write("sub\\keep", "k");
    sub.makeDirectory();
    EXPECT_EQ(TestFolder::read("sub\\keep"), "k");
    HFile("a\\b").makeDirectory();
    EXPECT_FALSE(HFile("a\\b").exists());
}

TEST(HFileParent, IsTheFolderOfTheFullPathWhichResolvesDotsWithoutTheDisk)
{
    TestFolder folder;
    HFile parent = HFile("sub\\file").getParent();
    EXPECT_EQ(parent.getPath(), HFile(".", "sub").getFullPath());
    EXPECT_EQ(HFile("file").getParent().getPath(), HFile(folder.path()).getFullPath());
    EXPECT_EQ(HFile("file").getFullPath(), parent.getDirectory() + "\\file");
    std::string base = HFile("x").getParent().getPath();
    EXPECT_EQ(HFile("a\\.\\b\\..\\c").getFullPath(), base + "\\a\\c");
    EXPECT_EQ(HFile("a\\").getFullPath(), base + "\\a\\");  // the closing separator stays
    EXPECT_EQ(HFile("..\\x").getFullPath(), HFile(base).getParent().getPath() + "\\x");
}

TEST(HFileReading, ReadsTheWholeFileFollowedByAZeroByteOrFailsWithoutData)
{
    TestFolder folder;
    for (const std::string& bytes : {std::string("a\0b\xFF", 4), std::string()}) {
        TestFolder::write("data", bytes);
        HFileReader reader(HFile("data"));
        ASSERT_TRUE(reader.read());
        EXPECT_EQ(reader.getSize(), static_cast<int64_t>(bytes.size()));
        EXPECT_EQ(std::string(reader.getData(), bytes.size() + 1), bytes + std::string(1, '\0'));
        // Data already loaded: a second read is refused; another file starts afresh.
        EXPECT_FALSE(reader.read());
        reader.setFile(HFile("data"));
        EXPECT_EQ(reader.getSize(), -1);
        EXPECT_EQ(reader.getData(), nullptr);
        EXPECT_TRUE(reader.read());
    }
    // Missing files, folders and no file at all give no data.
    TestFolder::makeFolder("sub");
    for (const HFile& file : {HFile("missing"), HFile("sub"), HFile()}) {
        HFileReader reader(file);
        EXPECT_FALSE(reader.read()) << file.getPath();
        EXPECT_EQ(reader.getData(), nullptr);
        EXPECT_EQ(reader.getSize(), -1);
    }
}

TEST(HFileReading, TrustsNoSizeTheSystemReports)
{
    TestFolder folder;
    TestFolder::write("data", "0123456789");
    struct Case {
        int64_t reported;
        int64_t size;  // -1: the read fails
    };
    // Too large for an int-indexed block, negative, or larger than what is there (the file
    // shrank while it was read).
    for (Case c : {Case{INT32_MAX, -1}, Case{int64_t{1} << 40, -1}, Case{-1, -1}, Case{20, 10},
                   Case{4, 4}}) {
        FaultySystem faulty;
        faulty.reportedSize = c.reported;
        HFileReader reader(HFile("data"));
        EXPECT_EQ(reader.read(), c.size >= 0) << c.reported;
        EXPECT_EQ(reader.getSize(), c.size);
        if (c.size >= 0) {
            EXPECT_EQ(std::string(reader.getData()), std::string("0123456789", c.size));
        }
    }
    FaultySystem faulty;
    faulty.failReadAt = 1;
    HFileReader reader(HFile("data"));
    EXPECT_FALSE(reader.read());
    EXPECT_EQ(reader.getError(), FaultySystem::READ_ERROR);
    EXPECT_EQ(reader.getData(), nullptr);
}

TEST(HSystemFaults, ReportTheCodesTheWindowsSideGives)
{
    TestFolder folder;
    HSystem& system = HSystem::get();
    TestFolder::write("file", "x");
    TestFolder::write("other", "y");
    EXPECT_EQ(system.open(".\\missing", HSystem::OPEN_READ, nullptr), nullptr);
    EXPECT_EQ(system.getLastError(), 2u);  // file not found
    EXPECT_EQ(system.open("gone\\file", HSystem::OPEN_READ, nullptr), nullptr);
    EXPECT_EQ(system.getLastError(), 3u);  // path not found
    // A file read without sharing can be opened by nobody else.
    HSystem::Handle held = system.open("file", HSystem::OPEN_READ, nullptr);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(system.open("file", HSystem::OPEN_READ, nullptr), nullptr);
    EXPECT_EQ(system.getLastError(), 32u);  // sharing violation
    system.close(held);
    EXPECT_FALSE(system.renameFile("other", "file"));
    EXPECT_EQ(system.getLastError(), 183u);  // already exists
    EXPECT_EQ(TestFolder::read("file"), "x");
    // Full paths stop below 260 characters, as the Windows side's do.
    std::string base = HFile("x").getFullPath();
    std::string longest = std::string(259 - base.size() + 1, 'n');
    EXPECT_EQ(HFile(longest).getFullPath().size(), 259u);
    EXPECT_EQ(HFile(longest + "n").getFullPath(), "");
}

// What a save compares and an open cleans up: a file's size and time, a folder's files.
TEST(HSystemFolders, TellSizeAndTimeOfAFileAndListOnlyTheFilesOfAFolder)
{
    TestFolder folder;
    HSystem& system = HSystem::get();
    TestFolder::makeFolder("F");
    TestFolder::makeFolder("F\\sub");
    TestFolder::write("F\\a", "12345");
    TestFolder::write("F\\\x83\x5C", "");  // a name whose second byte is a backslash
    HSystem::FileInfo info;
    ASSERT_TRUE(system.getFileInfo("F\\a", &info));
    EXPECT_EQ(info.type, HSystem::TYPE_FILE);
    EXPECT_EQ(info.size, 5);
    int64_t written = info.writeTime;
    ASSERT_TRUE(system.getFileInfo("F\\sub", &info));
    EXPECT_EQ(info.type, HSystem::TYPE_DIRECTORY);
    EXPECT_FALSE(system.getFileInfo("F\\missing", &info));
    EXPECT_EQ(info.type, HSystem::TYPE_NONE);
    EXPECT_EQ(system.getLastError(), 2u);  // file not found
    // A later write moves the time on.
    std::filesystem::path path = std::filesystem::path("F") / "a";
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(3));
    ASSERT_TRUE(system.getFileInfo("F\\a", &info));
    EXPECT_GT(info.writeTime, written);

    std::vector<std::string> names = {"stale"};
    ASSERT_TRUE(system.listFiles("F", &names));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "\x83\x5C"}));
    EXPECT_FALSE(system.listFiles("F\\missing", &names));
    EXPECT_TRUE(names.empty());
}
