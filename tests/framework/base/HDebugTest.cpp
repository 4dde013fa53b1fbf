#include "framework/base/HDebug.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "framework/base/HObject.h"
#include "framework/base/HText.h"
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

// The debug log's backups in the current folder.
std::vector<std::string> backups()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        std::string name = entry.path().filename().string();
        if (name.rfind("debug.log.", 0) == 0) {
            names.push_back(name);
        }
    }
    return names;
}

}  // namespace

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

TEST(HDebugLines, CarryTheirLevelsTagTheChannelOrObjectNameAndAtMostABufferOfText)
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
    std::string name;
    {
        Sample sample;
        name = sample.toString();
        sample.debug("value=%d", 3);
    }
    HDebug::debug("%s", std::string(5000, 'x').c_str());

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
        " DBG " + name + ":生成",
        " DBG " + name + ":value=3",
        " DBG " + name + ":削除",
        " DBG " + std::string(1023, 'x'),  // the message buffer holds 1024 bytes
        kStop,
    };
    EXPECT_EQ(bodiesOf(log.text()), expected);
    EXPECT_STREQ(HDebug::sourceName("C:/src\\scenario\\ZDBMap.cpp"), "ZDBMap.cpp");
}

TEST(HDebugFile, ThatCannotBeOpenedSwitchesTheLogOffAndOneThatExistsIsAppendedTo)
{
    TestFolder folder;
    TestFolder::makeFolder("debug.log");
    LogCapture log({"debug"});
    HDebug::debug("lost");
    EXPECT_FALSE(HDebug::isActive());
    HDebug::debug("lost too");
    // The next start tries again.
    std::filesystem::remove("debug.log");
    TestFolder::write("debug.log", "earlier\r\n");
    HDebug::start();
    HDebug::debug("found");
    EXPECT_TRUE(HDebug::isActive());
    std::string text = log.text();
    ASSERT_EQ(text.compare(0, 9, "earlier\r\n"), 0);
    EXPECT_EQ(messagesOf(text.substr(9)), std::vector<std::string>{" DBG found"});
}

TEST(HDebugFile, IsSetAsideOnlyOnceItGrowsPastTheLimit)
{
    TestFolder folder;
    // A sparse file of exactly the limit.
    TestFolder::write("debug.log", "");
    std::filesystem::resize_file("debug.log", HDebug::SIZE_LIMIT - 2);
    std::ofstream("debug.log", std::ios::binary | std::ios::app) << "\r\n";
    ASSERT_EQ(std::filesystem::file_size("debug.log"), HDebug::SIZE_LIMIT);
    LogCapture log({"debug", "info", "journal"});
    // The start line was written on top of a file of exactly the limit: no rotation yet.
    EXPECT_EQ(backups(), std::vector<std::string>{});
    EXPECT_GT(std::filesystem::file_size("debug.log"), HDebug::SIZE_LIMIT);
    HDebug::debug("first after the limit");
    HDebug::stop();

    std::vector<std::string> names = backups();
    ASSERT_EQ(names.size(), 1u);
    const std::string& backup = names[0];
    EXPECT_TRUE(std::regex_match(backup, std::regex("debug[.]log[.][0-9]{8}_[0-9]{6}_[0-9]{3}")));
    std::vector<std::string> old = bodiesOf(TestFolder::read(backup).substr(HDebug::SIZE_LIMIT));
    ASSERT_EQ(old.size(), 3u);
    std::string source = " INF " + HText::format("%-20s:", "HDebug.cpp");
    EXPECT_EQ(old[1].compare(0, source.size(), source), 0) << old[1];
    std::string setAside = "情報：ログファイル退避：.\\" + backup;
    EXPECT_EQ(old[1].substr(old[1].size() - setAside.size()), setAside);
    EXPECT_EQ(old[0] + old[2], kStart + kStop);

    std::vector<std::string> fresh = bodiesOf(TestFolder::read("debug.log"));
    ASSERT_EQ(fresh.size(), 4u);
    EXPECT_NE(fresh[1].find("情報：ログ出力再開"), std::string::npos) << fresh[1];
    fresh.erase(fresh.begin() + 1);
    EXPECT_EQ(fresh, (std::vector<std::string>{kStart, " DBG first after the limit", kStop}));
}

TEST(HObjectName, IsTheClassNameAndTheWholeAddressWithoutLeadingZeros)
{
    Sample sample;
    std::string text = sample.toString();
    ASSERT_TRUE(std::regex_match(text, std::regex("Sample@[1-9A-F][0-9A-F]*"))) << text;
    EXPECT_EQ(std::stoull(text.substr(7), nullptr, 16), reinterpret_cast<uintptr_t>(&sample));
    EXPECT_EQ(sample.getClassName(), "Sample");
}

// The MIDI player's timer thread logs while the user-interface thread does. Lines written
// from several threads at once, the first of them racing to open the file, all reach it whole
// and once.
TEST(HDebugThreads, LinesFromSeveralThreadsAllReachTheFileWhole)
{
    TestFolder folder;
    LogCapture log({"info"});
    const int kRounds = 20;
    const int kThreads = 4;
    const int kLines = 100;
    for (int round = 0; round < kRounds; ++round) {
        HDebug::start();  // the file is closed: the first line of the round opens it
        std::atomic<int> ready{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&ready, round, t] {
                ++ready;
                while (ready < kThreads) {
                }
                for (int i = 0; i < kLines; ++i) {
                    HDebug::log(HDebug::LV_INF, "round %d thread %d line %d", round, t, i);
                }
            });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        HDebug::stop();
    }
    std::set<std::string> seen;
    for (const std::string& body : bodiesOf(log.text())) {
        if (body.rfind(" INF round ", 0) == 0) {
            EXPECT_TRUE(seen.insert(body).second) << body;
        } else {
            EXPECT_EQ(body.find("round"), std::string::npos) << "a damaged line: " << body;
        }
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(kRounds * kThreads * kLines));
}
