#include "editor/model/BMSettings.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Folder bytes a user may have: ASCII, the bytes the file syntax means something by, and
// Shift-JIS characters whose trail byte is a backslash or a letter.
std::string randomFolder(std::mt19937& random)
{
    static const char* const pieces[] = {"C:\\", "Game", ",", "%", "=", " ", "ソ", "表",
                                         "シナリオ", "&", "a b", "%41", "\\"};
    std::string folder;
    const int count = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < count; ++i) {
        folder += pieces[random() % (sizeof pieces / sizeof pieces[0])];
    }
    return folder;
}

BMSettings randomSettings(std::mt19937& random)
{
    auto pick = [&random](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    BMSettings s;
    s.hasWindow = pick(0, 1) == 1;
    if (s.hasWindow) {
        s.window = {pick(-3000, 3000), pick(-3000, 3000), pick(1, 4000), pick(1, 4000),
                    pick(0, 1) == 1};
    }
    s.zoomStep = pick(0, 3);
    s.viewFlags = static_cast<uint32_t>(pick(0, 0xFFFF));
    s.miniMapCorner = pick(0, 3);
    s.brushRadius = pick(0, 3);
    s.mouseMode = pick(0, 1);
    s.shape = pick(0, 4);
    s.editMode = 1 << pick(0, 4);
    s.chooserPage = pick(1, 20);
    s.gameFolder = pick(0, 1) == 1 ? randomFolder(random) : std::string();
    for (int i = pick(0, 11); i > 0; --i) {
        s.recent.open({randomFolder(random), pick(0, 1) ? "2026/12/08 00:30" : "", pick(0, 300),
                       pick(1, 300), pick(0, 31), pick(0, 31)});
    }
    return s;
}

TEST(SettingsTest, RandomSettingsReadBackEqual)
{
    std::mt19937 random(20261208);
    for (int i = 0; i < 300; ++i) {
        const BMSettings written = randomSettings(random);
        BMSettings read;
        EXPECT_EQ(read.read(written.write()), 0) << written.write();
        EXPECT_TRUE(read == written) << written.write();
    }
}

// A file cut anywhere, or with any one line broken, gives every value either as written or
// as it was before reading, never a third one; a broken line costs its own value alone.
TEST(SettingsTest, BrokenFilesKeepWhatCannotBeRead)
{
    std::mt19937 random(7);
    BMSettings written = randomSettings(random);
    written.hasWindow = true;
    written.gameFolder = "D:\\ゲーム";
    written.recent.open({"C:\\シナリオ", "2026/12/08 00:30", 3, 2, 5, 6});
    written.zoomStep = 1;
    const std::string text = written.write();
    const BMSettings defaults;
    for (size_t length = 0; length <= text.size(); ++length) {
        BMSettings read;
        read.read(text.substr(0, length));
        EXPECT_TRUE(read.zoomStep == written.zoomStep || read.zoomStep == defaults.zoomStep);
        EXPECT_TRUE(read.gameFolder == written.gameFolder || read.gameFolder.empty());
        EXPECT_LE(read.recent.entries().size(), written.recent.entries().size());
        for (const BMRecentScenario& entry : read.recent.entries()) {
            // A cut line may shorten the last item it holds: that is the cursor's y.
            const BMRecentScenario* whole = written.recent.find(entry.folder);
            ASSERT_NE(whole, nullptr) << entry.folder;
            EXPECT_EQ(entry.map, whole->map);
        }
    }
    struct Broken {
        const char* line;  // replaces the line of its key
        int unread;
    };
    const Broken broken[] = {
        {"zoom=x", 1},        {"zoom=1,2", 1},    {"brush=9", 1},  {"edit=3", 1},
        {"window=1,2,0,4,0", 1}, {"mouse=-1", 1}, {"view=65536", 1}, {"minimap=4", 1},
        {"recent1=,,1,1,1,1", 1}, {"page=0", 1},  {"shape=12345678901234", 1},
        {"unknown=1", 0},
    };
    for (const Broken& b : broken) {
        const std::string line = b.line;
        const std::string key = line.substr(0, line.find('='));
        std::string changed;
        size_t at = text.find("\r\n" + key + "=");
        ASSERT_TRUE(at != std::string::npos || key == "unknown") << key;
        if (at == std::string::npos) {
            changed = text + line + "\r\n";
        } else {
            size_t end = text.find("\r\n", at + 2);
            changed = text.substr(0, at + 2) + line + text.substr(end);
        }
        BMSettings read;
        EXPECT_EQ(read.read(changed), b.unread) << line;
        BMSettings expected = written;
        if (key == "zoom") expected.zoomStep = defaults.zoomStep;
        if (key == "brush") expected.brushRadius = defaults.brushRadius;
        if (key == "edit") expected.editMode = defaults.editMode;
        if (key == "window") expected.window = defaults.window, expected.hasWindow = false;
        if (key == "mouse") expected.mouseMode = defaults.mouseMode;
        if (key == "view") expected.viewFlags = defaults.viewFlags;
        if (key == "minimap") expected.miniMapCorner = defaults.miniMapCorner;
        if (key == "page") expected.chooserPage = defaults.chooserPage;
        if (key == "shape") expected.shape = defaults.shape;
        if (key == "recent1") expected.recent.remove(written.recent.entries()[0].folder);
        EXPECT_TRUE(read == expected) << line << "\n" << read.write();
    }
    // Empty, foreign and of another version: nothing is taken.
    for (const char* foreign : {"", "\x89PNG\r\n\x1a\n", "version=2\r\nzoom=1\r\n",
                                "zoom=1\r\nbrush=2\r\n", "[Settings]\r\nzoom=1"}) {
        BMSettings read;
        EXPECT_GE(read.read(foreign), 1) << foreign;
        EXPECT_TRUE(read == defaults) << foreign;
    }
}

struct RecentCase {
    std::vector<std::string> opened;  // in the order of opening
    std::string removed;
    std::string expected;  // the folders newest first, joined by "|"
};

TEST(RecentListTest, NewestFirstEachFolderOnceAtMostEight)
{
    const RecentCase cases[] = {
        {{}, "", ""},
        {{"A", "B", "C"}, "", "C|B|A"},
        {{"A", "B", "A"}, "", "A|B"},
        {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, "", "10|9|8|7|6|5|4|3"},
        {{"1", "2", "3", "4", "5", "6", "7", "8", "1"}, "", "1|8|7|6|5|4|3|2"},
        {{"A", "B", "C"}, "B", "C|A"},
        {{"A"}, "Z", "A"},
        {{"C:\\ゲーム", "c:\\ゲーム"}, "", "c:\\ゲーム|C:\\ゲーム"},  // bytes kept exactly
    };
    for (const RecentCase& c : cases) {
        BMRecentList list;
        for (const std::string& folder : c.opened) {
            list.open({folder, "", 0, 1, 0, 0});
        }
        EXPECT_EQ(list.remove(c.removed), !c.removed.empty() && c.removed != "Z");
        std::string order;
        for (const BMRecentScenario& e : list.entries()) {
            order += (order.empty() ? "" : "|") + e.folder;
        }
        EXPECT_EQ(order, c.expected);
    }
}

TEST(RecentListTest, MenuLabelsShortenTheMiddleOfLongPaths)
{
    struct Case {
        size_t index;
        std::string folder;
        size_t limit;
        std::string label;
    };
    const Case cases[] = {
        {0, "C:\\Game\\Default", 40, "&1 C:\\Game\\Default"},
        {7, "C:\\A & B\\S", 40, "&8 C:\\A && B\\S"},
        {1, "C:\\Program Files\\Game\\Scenarios\\Default", 30, "&2 C:\\...\\Game\\Scenarios\\Default"},
        {2, "C:\\Program Files\\Game\\Scenarios\\Default", 12, "&3 C:\\...\\Default"},
        // "ソ" ends in the byte of a backslash: it is no separator, and never split.
        {3, "D:\\ソソソソソソ\\表ソ\\シナリオ", 20, "&4 D:\\...\\表ソ\\シナリオ"},
        {4, "ソソソソソソソソ", 7, "&5 ソソソ"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BMRecentList::menuLabel(c.index, c.folder, c.limit), c.label) << c.folder;
    }
}

}  // namespace
