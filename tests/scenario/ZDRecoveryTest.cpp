// The recovery copy of unsaved edits: it reads back only for its own scenario, a failed or
// killed write leaves the previous copy whole, a declined copy is kept aside once; the
// schedule writes it a few seconds after the edits stop and at least every 30 seconds while
// they go on; the writer's thread leaves the last copy handed over and none after a removal;
// and the files it keeps put the edits back into a freshly read scenario.
#include "scenario/ZDRecoveryCopy.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "framework/base/HText.h"
#include "scenario/ZDAreaMapData.h"
#include "scenario/ZDRecoverySchedule.h"
#include "scenario/ZDRecoveryWriter.h"
#include "scenario/ZDScenarioSave.h"
#include "tests/scenario/ScenarioFolder.h"
#include "tests/support/FaultySystem.h"
#include "tests/support/TestFolder.h"

namespace {

const char kScenario[] = "Z:\\games\\Islands\\Data\\AreaData";

ZDFileSet edits(char fill)
{
    ZDFileSet files;
    files.write("AreaData", std::string("North 1\r\nEnd"));
    files.write("BMap_No2", std::string(4428, fill));
    files.remove("BMap_No3");
    return files;
}

ZDRecoveryCopy copyIn(const std::string& root)
{
    return ZDRecoveryCopy(root, kScenario);
}

}  // namespace

TEST(RecoveryCopy, ReadsBackForItsOwnScenarioOnlyAndKeepsOneDeclinedCopyAside)
{
    TestFolder folder;
    ZDRecoveryCopy copy = copyIn(folder.path() + "\\Local\\Recovery");
    ZDRecoveryCopy::Contents contents;
    EXPECT_FALSE(copy.read(&contents));
    ASSERT_TRUE(copy.write(edits('x'), "2024/05/01 12:34:56"));
    ASSERT_TRUE(copy.read(&contents));  // what it reads back is checked after every failed write below
    EXPECT_NE(contents.writeTime, 0);
    // The same path in other letter case is the same scenario; another path is not.
    std::string lower = kScenario;
    lower.replace(lower.find("Islands"), 7, "ISLANDS");
    EXPECT_TRUE(ZDRecoveryCopy(folder.path() + "\\Local\\Recovery", lower).read(&contents));
    ZDRecoveryCopy other(folder.path() + "\\Local\\Recovery", "Z:\\games\\Other\\Data\\AreaData");
    EXPECT_NE(other.getFolder(), copy.getFolder());
    EXPECT_FALSE(other.read(&contents));
    // A copy under the folder of this path that names another is not taken either.
    std::string foreign = TestFolder::read(copy.getPath());
    foreign.replace(foreign.find("Islands"), 7, "Islandz");
    TestFolder::write(copy.getPath(), foreign);
    EXPECT_FALSE(copy.read(&contents));

    ASSERT_TRUE(copy.write(edits('y'), "1"));
    ASSERT_TRUE(copy.setAside());
    ASSERT_TRUE(copy.write(edits('z'), "2"));
    ASSERT_TRUE(copy.setAside());
    EXPECT_FALSE(copy.read(&contents));
    std::string aside = TestFolder::read(copy.getAsidePath());
    EXPECT_NE(aside.find(std::string(4428, 'z')), std::string::npos);
    EXPECT_TRUE(copy.remove());
    EXPECT_TRUE(TestFolder::exists(copy.getAsidePath()));
}

TEST(RecoveryCopy, AFailedOrKilledWriteLeavesThePreviousCopyWhole)
{
    const struct {
        const char* name;
        int FaultySystem::*field;
        int64_t space;
    } steps[] = {{"create", &FaultySystem::failCreateAt, -1}, {"write", &FaultySystem::failWriteAt, -1},
                 {"sync", &FaultySystem::failFlushAt, -1},    {"close", &FaultySystem::failCloseAt, -1},
                 {"replace", &FaultySystem::failReplaceAt, -1}, {"kill", &FaultySystem::dieAt, -1},
                 {"full disk", &FaultySystem::dieAt, 1000}};
    int failed = 0;
    for (const auto& step : steps) {
        for (int k = 1; k <= 6; ++k) {
            SCOPED_TRACE(HText::format("%s %d", step.name, k));
            TestFolder folder;
            ZDRecoveryCopy copy = copyIn(folder.path() + "\\Recovery");
            ASSERT_TRUE(copy.write(edits('p'), "previous"));
            bool ok;
            {
                FaultySystem faulty;
                faulty.*step.field = step.space < 0 ? k : 0;
                faulty.spaceLeft = step.space < 0 ? -1 : step.space * k;
                ok = copy.write(edits('n'), "next");
            }
            failed += ok ? 0 : 1;
            ZDRecoveryCopy::Contents contents;
            ASSERT_TRUE(copy.read(&contents));
            EXPECT_TRUE(contents.files == (ok ? edits('n') : edits('p')));
            EXPECT_EQ(contents.time, ok ? "next" : "previous");
            EXPECT_TRUE(copy.remove());
            EXPECT_FALSE(TestFolder::exists(copy.getPath()));
        }
    }
    EXPECT_GE(failed, 12);  // every kind of fault hit at least once
}

// The schedule against random edits seen once a second: a copy only of changes that exist,
// never twice of the same changes, of every state that stood still for the quiet time, and
// never more than 30 seconds behind edits that go on; no copy once nothing differs.
TEST(RecoverySchedule, WritesAfterTheEditsStopAtLeastEveryThirtySecondsAndRemovesWhenClean)
{
    std::mt19937 random(11);
    const int64_t look = 1000;
    int quietWrites = 0;
    int forcedWrites = 0;
    for (int run = 0; run < 50; ++run) {
        ZDRecoverySchedule schedule;
        uint64_t state = 0;  // 0: nothing differs from the files
        bool onDisk = false;
        uint64_t disk = 0;
        int64_t changedAt = 0;
        bool behind = false;
        int64_t behindSince = 0;
        int busy = 0;  // looks to come with an edit before each
        for (int64_t now = 0; now < 400 * look; now += look) {
            SCOPED_TRACE(HText::format("run %d at %d s", run, static_cast<int>(now / look)));
            if (busy == 0 && random() % 30 == 0) {
                busy = 20 + static_cast<int>(random() % 70);
            }
            if (busy > 0 || random() % 8 == 0) {
                // Edits that go on never come back to the files; a single one may.
                uint64_t next = busy == 0 && random() % 6 == 0 ? 0 : (random() | 1);
                busy -= busy > 0 ? 1 : 0;
                changedAt = next != state ? now : changedAt;
                state = next;
            }
            switch (schedule.observe(now, state, state == 0)) {
            case ZDRecoverySchedule::WRITE:
                ASSERT_NE(state, 0u);
                ASSERT_FALSE(onDisk && disk == state);
                onDisk = true;
                disk = state;
                ++(now - changedAt >= ZDRecoverySchedule::QUIET_MS ? quietWrites : forcedWrites);
                break;
            case ZDRecoverySchedule::REMOVE:
                ASSERT_EQ(state, 0u);
                onDisk = false;
                break;
            case ZDRecoverySchedule::NOTHING:
                break;
            }
            bool matches = state == 0 ? !onDisk : onDisk && disk == state;
            if (state != 0 && now - changedAt >= ZDRecoverySchedule::QUIET_MS) {
                ASSERT_TRUE(matches);
            }
            ASSERT_TRUE(state != 0 || matches);
            if (matches) {
                behind = false;
            } else {
                behindSince = behind ? behindSince : now;
                behind = true;
                ASSERT_LT(now - behindSince, ZDRecoverySchedule::LONGEST_MS);
            }
        }
    }
    EXPECT_GT(quietWrites, 100);
    EXPECT_GT(forcedWrites, 10);
}

TEST(RecoveryWriter, TheLastCopyHandedOverIsOnDiskAndARemovalOutlivesEveryEarlierCopy)
{
    TestFolder folder;
    ZDRecoveryCopy copy = copyIn(folder.path() + "\\Recovery");
    ZDRecoveryWriter writer;
    for (int round = 0; round < 20; ++round) {
        for (char fill = 'a'; fill <= 'e'; ++fill) {
            writer.write(copy, edits(fill), std::string(1, fill));
        }
        if (round % 2 == 0) {
            writer.wait();
            ZDRecoveryCopy::Contents contents;
            ASSERT_TRUE(copy.read(&contents));
            EXPECT_EQ(contents.time, "e");
        }
        EXPECT_TRUE(writer.remove(copy));
        writer.wait();
        EXPECT_FALSE(TestFolder::exists(copy.getPath()));
    }
    EXPECT_GE(writer.getWritten(), 10);  // at least the copy of each round that waited for it
    EXPECT_EQ(writer.getFailed(), 0);
}

// Edits kept as files and put back into the scenario read afresh give the edited scenario's
// files byte for byte, as unsaved edits, whatever the count of areas; files that do not read
// as their names say change nothing.
TEST(ScenarioRestore, KeptFilesPutTheEditsBackAsUnsavedEdits)
{
    std::mt19937 random(5);
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(HText::format("round %d", round));
        TestFolder folder;
        ScenarioFolder::make("Islands");
        ZDAreaMapData edited;
        edited.load(HFile("Islands"), HFile());
        for (int edits = 1 + static_cast<int>(random() % 5); edits > 0; --edits) {
            ZDEditBMap* map = edited.getBMap(random() % 6);
            map->setCharacter(random() % 32, random() % 32, static_cast<uint8_t>(random() % 240));
            map->setHeight(random() % 32, random() % 32, static_cast<uint8_t>(random() % 16));
        }
        edited.getArea(random() % 6)->setLink(static_cast<int>(random() % 8), 3);
        if (round % 3 != 0) {
            // Fewer or more areas than the files have.
            ZDFileSet list;
            std::string text = edited.formatAreaList();
            if (round % 3 == 1) {
                text = text.substr(0, text.rfind("\r\n", text.size() - 6) + 2) + "End";
            } else {
                text.insert(text.size() - 3, "Added 1 2 0 0 0\r\n");
            }
            list.write("AreaData", text);
            ASSERT_TRUE(edited.restoreFiles(list));
        }
        ZDFileSet kept = ZDScenarioSave::unsavedChanges(edited);
        ASSERT_FALSE(kept.isEmpty());

        ZDAreaMapData restored;
        restored.load(HFile("Islands"), HFile());
        ASSERT_FALSE(restored.isModified());
        // Only edits are kept: a scenario as read has nothing to keep.
        EXPECT_TRUE(ZDScenarioSave::unsavedChanges(restored).isEmpty());
        ZDFileSet broken = kept;
        broken.write("BMap_No1", "short");
        EXPECT_FALSE(restored.restoreFiles(broken));
        EXPECT_FALSE(restored.isModified());
        ASSERT_TRUE(restored.restoreFiles(kept));
        EXPECT_TRUE(restored.isModified());
        EXPECT_TRUE(ZDScenarioSave::allFiles(restored, "AreaData") == ZDScenarioSave::allFiles(edited, "AreaData"));
        EXPECT_TRUE(ZDScenarioSave::unsavedChanges(restored) == kept);
    }
}
