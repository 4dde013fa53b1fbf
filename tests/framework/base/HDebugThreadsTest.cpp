#include "framework/base/HDebug.h"

#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

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
    std::string text = log.text();
    std::set<std::string> seen;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "a line without its end";
        std::string line = text.substr(start, end - start);
        start = end + 2;
        size_t body = line.find(" INF round ");
        if (body == 23) {
            EXPECT_TRUE(seen.insert(line.substr(body)).second) << line;
        } else {
            EXPECT_EQ(line.find("round"), std::string::npos) << "a damaged line: " << line;
        }
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(kRounds * kThreads * kLines));
}
