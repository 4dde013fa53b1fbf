#include "framework/HDebug.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <regex>
#include <vector>

#include <gtest/gtest.h>

#include "framework/HObject.h"
#include "framework/HText.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

// The log's lines after their time stamps "YYYY/MM/DD hh:mm:ss.mmm": tag, channel and message.
// Fails the test for a line without a time stamp or without CR LF.
std::vector<std::string> bodiesOf(const std::string& text)
{
    static const std::regex stamp("[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}[.][0-9]{3}");
    std::vector<std::string> bodies;
    for (size_t start = 0, end; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        std::string line = text.substr(start, end - start);
        EXPECT_TRUE(end != std::string::npos && std::regex_match(line.substr(0, 23), stamp)) << line;
        bodies.push_back(line.substr(std::min<size_t>(23, line.size())));
        if (end == std::string::npos) {
            break;
        }
    }
    return bodies;
}

class Sample : public HObject {
public:
    Sample() { setClassName("Sample"); }
};

const std::string kStart = " JNL ログ出力開始";
const std::string kStop = " JNL ログ出力停止";

// The bodies without the log's own start and stop lines, which appear whenever an earlier
// test of this process enabled the journal level.
std::vector<std::string> messagesOf(const std::string& text)
{
    std::vector<std::string> messages;
    for (const std::string& body : bodiesOf(text)) {
        if (body != kStart && body != kStop) {
            messages.push_back(body);
        }
    }
    return messages;
}

}  // namespace

TEST(HDebugFreshProcess, WithoutMarkersNothingIsWritten)
{
    TestFolder folder;
    HDebug::start();
    for (uint32_t level = 1; level != 0; level <<= 1) {
        HDebug::log(level, "level %u", level);
    }
    HDebug::debug("free line");
    {
        Sample sample;
        sample.debug("object line");
    }
    HDebug::stop();
    EXPECT_FALSE(TestFolder::exists("debug.log"));
    EXPECT_EQ(TestFolder::list(), "");
}

TEST(HDebugFreshProcess, JournalMarkerWritesOnlyJournalLines)
{
    TestFolder folder;
    TestFolder::write("journal", "");
    HDebug::start();
    HDebug::log(HDebug::LV_JNL, HDebug::FMT_START, "ZDBMap.cpp", 42, "load");
    HDebug::log(HDebug::LV_INF, HDebug::FMT_INFO, "ZDBMap.cpp", 43, "information");
    HDebug::log(HDebug::LV_TRC, HDebug::FMT_PASS, "ZDBMap.cpp", 44);
    HDebug::debug("debug line");
    { Sample sample; sample.debug("object line"); }
    HDebug::log(HDebug::LV_JNL, HDebug::FMT_END, "ZDBMap.cpp", 1234, "load");
    HDebug::stop();

    std::vector<std::string> expected = {
        kStart,
        " JNL ZDBMap.cpp          :0042 load 開始",
        " JNL ZDBMap.cpp          :1234 load 終了",
        kStop,
    };
    EXPECT_EQ(bodiesOf(TestFolder::read("debug.log")), expected);
}

TEST(HDebugFreshProcess, UnknownLevelNeedsABitOfAnEnabledLevel)
{
    TestFolder folder;
    TestFolder::write("debug", "");
    HDebug::start();
    HDebug::log(0x4000, "not written");
    HDebug::log(0xC000, "written as other");
    // A marker removed while the process runs keeps its level enabled.
    std::filesystem::remove("debug");
    HDebug::stop();
    HDebug::start();
    HDebug::debug("still written");
    HDebug::stop();

    std::vector<std::string> expected = {" OTH written as other", " DBG still written"};
    EXPECT_EQ(bodiesOf(TestFolder::read("debug.log")), expected);
}

TEST(HDebugLines, CarryTheTagOfTheirLevelAndTheChannelName)
{
    TestFolder folder;
    LogCapture log({"debug", "trace", "interface", "journal", "warning", "error", "info", "fatal"});
    const uint32_t levels[] = {HDebug::LV_DBG, HDebug::LV_TRC, HDebug::LV_IF, HDebug::LV_JNL,
                               HDebug::LV_WAR, HDebug::LV_ERR, HDebug::LV_INF, HDebug::LV_FTL};
    for (uint32_t level : levels) {
        HDebug::log(level, "m");
    }
    HDebug::log(HDebug::LV_INF, HDebug::FMT_INFO, "HFile.cpp", 7, "情報テキスト");
    HDebug::log(HDebug::LV_TRC, HDebug::FMT_PASS, "HFile.cpp", 8);
    HDebug::log(HDebug::LV_WAR, HDebug::FMT_WARNING, "a", 1, "w");
    HDebug::log(HDebug::LV_ERR, HDebug::FMT_ERROR, "a", 1, "e");
    HDebug::log(HDebug::LV_FTL, HDebug::FMT_SYSERROR, "a", 1, "s");
    {
        HDebug channel("chan", 0xFFFF);
        HDebug::debug("%d|%u|%04d|%X|%-3s|", -5, 7u, 42, 0xBEEFu, "x");
    }
    {
        HDebug silent("silent", 0);  // a channel with mask 0 never writes, not even its own lines
    }

    std::vector<std::string> expected = {
        kStart,
        " DBG m", " TRC m", " I/F m", " JNL m", " WAR m", " ERR m", " INF m", " FTL m",
        " INF HFile.cpp           :0007 情報：情報テキスト",
        " TRC HFile.cpp           :0008 .",
        " WAR a                   :0001 警告：w",
        " ERR a                   :0001 エラー：e",
        " FTL a                   :0001 システムエラー：s",
        " DBG chan:生成",
        " DBG -5|7|0042|BEEF|x  |",
        " DBG chan:削除",
        kStop,
    };
    EXPECT_EQ(bodiesOf(log.text()), expected);
    EXPECT_STREQ(HDebug::sourceName("C:/src\\scenario\\ZDBMap.cpp"), "ZDBMap.cpp");
}

TEST(HDebugLines, ObjectsAnnounceThemselvesOnTheirOwnChannelAndLongMessagesAreCut)
{
    TestFolder folder;
    LogCapture log({"debug"});
    std::string name;
    {
        Sample sample;
        name = sample.toString();
        sample.debug("value=%d", 3);
    }
    HDebug::debug("%s", std::string(5000, 'x').c_str());
    std::vector<std::string> expected = {
        " DBG " + name + ":生成",
        " DBG " + name + ":value=3",
        " DBG " + name + ":削除",
        " DBG " + std::string(1023, 'x'),  // the message buffer holds 1024 bytes
    };
    EXPECT_EQ(messagesOf(log.text()), expected);
}

TEST(HDebugFile, IsAppendedToWhenItExists)
{
    TestFolder folder;
    TestFolder::write("debug.log", "earlier\r\n");
    LogCapture log({"debug"});
    HDebug::debug("later");
    std::string text = log.text();
    ASSERT_EQ(text.compare(0, 9, "earlier\r\n"), 0);
    EXPECT_EQ(messagesOf(text.substr(9)), std::vector<std::string>{" DBG later"});
}

TEST(HDebugFile, ThatCannotBeOpenedSwitchesTheLogOff)
{
    TestFolder folder;
    TestFolder::makeFolder("debug.log");
    LogCapture log({"debug"});
    HDebug::debug("lost");
    EXPECT_FALSE(HDebug::isActive());
    HDebug::debug("lost too");
    // The next start tries again.
    std::filesystem::remove("debug.log");
    HDebug::start();
    HDebug::debug("found");
    EXPECT_TRUE(HDebug::isActive());
    EXPECT_EQ(messagesOf(log.text()), std::vector<std::string>{" DBG found"});
}

TEST(HDebugFile, IsSetAsideOnlyOnceItGrowsPastTheLimit)
{
    TestFolder folder;
    {
        // A sparse file of exactly the limit.
        TestFolder::write("debug.log", "");
        std::filesystem::resize_file("debug.log", HDebug::SIZE_LIMIT - 2);
        std::FILE* file = std::fopen("debug.log", "ab");
        std::fputs("\r\n", file);
        std::fclose(file);
    }
    ASSERT_EQ(std::filesystem::file_size("debug.log"), HDebug::SIZE_LIMIT);
    LogCapture log({"debug", "info", "journal"});
    // The start line was written on top of a file of exactly the limit: no rotation yet.
    EXPECT_TRUE(TestFolder::exists("debug.log"));
    EXPECT_GT(std::filesystem::file_size("debug.log"), HDebug::SIZE_LIMIT);
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        EXPECT_NE(entry.path().filename().string().rfind("debug.log.", 0), 0u);
    }
    HDebug::debug("first after the limit");
    HDebug::stop();

    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        names.push_back(entry.path().filename().string());
    }
    std::string backup;
    for (const std::string& name : names) {
        if (name.rfind("debug.log.", 0) == 0) {
            EXPECT_TRUE(backup.empty()) << "a second backup " << name;
            backup = name;
        }
    }
    ASSERT_FALSE(backup.empty());
    // debug.log.YYYYMMDD_hhmmss_mmm
    ASSERT_EQ(backup.size(), 10u + 19u);
    EXPECT_EQ(backup[18], '_');
    EXPECT_EQ(backup[25], '_');

    std::vector<std::string> old = bodiesOf(TestFolder::read(backup).substr(HDebug::SIZE_LIMIT));
    ASSERT_EQ(old.size(), 3u);
    EXPECT_EQ(old[0], kStart);
    std::string source = " INF " + HText::format("%-20s:", "HDebug.cpp");
    EXPECT_EQ(old[1].compare(0, source.size(), source), 0) << old[1];
    std::string setAside = "情報：ログファイル退避：.\\" + backup;
    EXPECT_EQ(old[1].substr(old[1].size() - setAside.size()), setAside);
    EXPECT_EQ(old[2], kStop);

    std::vector<std::string> fresh = bodiesOf(TestFolder::read("debug.log"));
    ASSERT_EQ(fresh.size(), 4u);
    EXPECT_EQ(fresh[0], kStart);
    EXPECT_NE(fresh[1].find("情報：ログ出力再開"), std::string::npos) << fresh[1];
    EXPECT_EQ(fresh[2], " DBG first after the limit");
    EXPECT_EQ(fresh[3], kStop);
}

TEST(HObjectName, IsTheClassNameAndTheWholeAddressWithoutLeadingZeros)
{
    Sample sample;
    std::string text = sample.toString();
    ASSERT_EQ(text.compare(0, 7, "Sample@"), 0);
    std::string hex = text.substr(7);
    ASSERT_FALSE(hex.empty());
    EXPECT_NE(hex[0], '0');
    for (char c : hex) {
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F')) << hex;
    }
    EXPECT_EQ(std::stoull(hex, nullptr, 16), reinterpret_cast<uintptr_t>(&sample));
    EXPECT_EQ(sample.getClassName(), "Sample");
}
