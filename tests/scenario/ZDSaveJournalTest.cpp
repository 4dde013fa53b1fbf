// A save across several files: every failed step puts the old files back; a kill at any change
// to the disk leaves files that the next open completes to the new ones or keeps as the old,
// never a mix and never a temporary; a journal that is not whole is set aside untouched; and
// the block the files travel in refuses anything but itself.
#include "scenario/ZDSaveJournal.h"

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/base/HText.h"
#include "scenario/ZDFileSet.h"
#include "tests/scenario/ScenarioFolder.h"
#include "tests/support/FaultySystem.h"
#include "tests/support/TestFolder.h"

namespace {

using Files = ScenarioFolder::Files;

// Three files rewritten, one made, one removed, one left alone.
Files oldFiles()
{
    return {{"AreaData", "North 1\r\nSouth 2\r\nEnd"},
            {"BMap_No1", std::string(4428, 'a')},
            {"BMap_No2", std::string(4428, 'b')},
            {"BMap_No3", std::string(4428, 'c')},
            {"Notes", "not the save's"}};
}

ZDFileSet changes()
{
    ZDFileSet set;
    set.write("AreaData", "North 1\r\nEnd");
    set.write("BMap_No1", std::string(4428, 'A'));
    set.write("BMap_No2", std::string(4000, 'B'));
    set.write("BMap_No4", std::string(4428, 'D'));
    set.remove("BMap_No3");
    return set;
}

Files newFiles()
{
    Files files = oldFiles();
    ZDFileSet set = changes();
    for (const ZDFileSet::File& file : set.getWrites()) {
        files[file.name] = file.bytes;
    }
    files.erase("BMap_No3");
    return files;
}

// What F holds, and what it should, in a form that a failed comparison prints briefly.
std::string inF()
{
    return ScenarioFolder::summary(ScenarioFolder::files("F"));
}

using ScenarioFolder::summary;

void prepare()
{
    TestFolder::makeFolder("F");
    ScenarioFolder::put("F", oldFiles());
}

// Puts the old files into F and saves the changes over them on a system that arm sets up;
// seen looks at the system's counts afterwards.
bool save(const std::function<void(FaultySystem&)>& arm,
          const std::function<void(const FaultySystem&)>& seen = nullptr)
{
    prepare();
    FaultySystem faulty;
    arm(faulty);
    const bool ok = ZDSaveJournal::commit("F", changes());
    if (seen) {
        seen(faulty);
    }
    return ok;
}

}  // namespace

TEST(SaveJournal, EveryFailedStepPutsBackTheOldFilesAndLeavesNothingBehind)
{
    struct Step {
        const char* name;
        int FaultySystem::*field;
        int FaultySystem::*count;
        int calls;  // in a save without fault
    };
    Step steps[] = {{"create", &FaultySystem::failCreateAt, &FaultySystem::creates, 0},
                    {"write", &FaultySystem::failWriteAt, &FaultySystem::writes, 0},
                    {"sync", &FaultySystem::failFlushAt, &FaultySystem::flushes, 0},
                    {"close", &FaultySystem::failCloseAt, &FaultySystem::closes, 0},
                    {"replace", &FaultySystem::failReplaceAt, &FaultySystem::replaces, 0},
                    {"remove", &FaultySystem::failRemoveAt, &FaultySystem::removes, 0}};
    {
        TestFolder folder;
        ASSERT_TRUE(save([](FaultySystem&) {}, [&](const FaultySystem& counter) {
            for (Step& step : steps) {
                step.calls = counter.*step.count;
            }
        }));
        ASSERT_EQ(inF(), summary(newFiles()));
    }
    int calls = 0;
    int failed = 0;
    for (const Step& step : steps) {
        ASSERT_GT(step.calls, 0) << step.name;
        calls += step.calls;
        for (int k = 1; k <= step.calls; ++k) {
            SCOPED_TRACE(HText::format("%s %d", step.name, k));
            TestFolder folder;
            if (!save([&](FaultySystem& faulty) { faulty.*step.field = k; })) {
                ++failed;
                EXPECT_EQ(inF(), summary(oldFiles()));
            } else {
                // Only the journal's own removal may fail once the files are saved; the next
                // open removes it.
                EXPECT_EQ(ZDSaveJournal::finish("F", "AreaData"), ZDSaveJournal::FINISHED);
                EXPECT_EQ(inF(), summary(newFiles()));
            }
        }
    }
    EXPECT_EQ(failed, calls - 1);
    // A disk that fills up, from the journal's first byte to the last file's. Where not even
    // the old bytes fit back any more, the journal stays and the next open completes the save.
    for (int64_t space : {0, 100, 6000, 12000, 15000, 20000, 25000}) {
        SCOPED_TRACE(HText::format("%d bytes left", static_cast<int>(space)));
        TestFolder folder;
        EXPECT_FALSE(save([&](FaultySystem& faulty) { faulty.spaceLeft = space; }));
        if (TestFolder::exists("F\\Save.journal")) {
            EXPECT_EQ(ZDSaveJournal::finish("F", "AreaData"), ZDSaveJournal::FINISHED);
            EXPECT_EQ(inF(), summary(newFiles()));
        } else {
            EXPECT_EQ(inF(), summary(oldFiles()));
        }
    }
}

TEST(SaveJournal, AKillAtAnyChangeToTheDiskLeavesWhatTheNextOpenReadsAsOldOrNew)
{
    int changesOfASave = 0;
    {
        TestFolder folder;
        ASSERT_TRUE(save([](FaultySystem&) {}, [&](const FaultySystem& counter) { changesOfASave = counter.changes; }));
    }
    int olds = 0;
    int finished = 0;
    for (int k = 1; k <= changesOfASave + 1; ++k) {
        SCOPED_TRACE(HText::format("killed at change %d of %d", k, changesOfASave));
        TestFolder folder;
        save([&](FaultySystem& dying) { dying.dieAt = k; });
        ZDSaveJournal::Outcome outcome = ZDSaveJournal::finish("F", "AreaData");
        Files now = ScenarioFolder::files("F");
        if (now == oldFiles()) {
            ++olds;
            EXPECT_EQ(outcome, ZDSaveJournal::NOTHING);
        } else {
            EXPECT_EQ(summary(now), summary(newFiles()));
            finished += outcome == ZDSaveJournal::FINISHED ? 1 : 0;
        }
    }
    // Kills before the journal stood keep the old files; after it, the open completes the save.
    EXPECT_GT(olds, 3);
    EXPECT_GT(finished, 3);
}

TEST(SaveJournal, AJournalThatIsNotWholeIsSetAsideAndOneThatCannotBeCompletedStays)
{
    std::string whole = changes().toBytes();
    ZDFileSet outside;
    outside.write("AreaData", "x");
    outside.write("..\\AreaData", "escaped");
    std::string altered = whole;
    altered[whole.size() / 2] ^= 1;
    for (const std::string& journal : {whole.substr(0, whole.size() / 2), altered, outside.toBytes(),
                                       std::string()}) {
        TestFolder folder;
        prepare();
        TestFolder::write("F\\Save.journal", journal);
        EXPECT_EQ(ZDSaveJournal::finish("F", "AreaData"), ZDSaveJournal::DAMAGED);
        Files expected = oldFiles();
        expected["Save.journal.damaged"] = journal;
        EXPECT_EQ(inF(), summary(expected));
    }

    TestFolder folder;
    prepare();
    TestFolder::write("F\\Save.journal", whole);
    {
        FaultySystem faulty;
        faulty.failReplaceAt = FaultySystem::EVERY;
        EXPECT_EQ(ZDSaveJournal::finish("F", "AreaData"), ZDSaveJournal::NOT_FINISHED);
    }
    EXPECT_TRUE(TestFolder::exists("F\\Save.journal"));
    EXPECT_EQ(ZDSaveJournal::finish("F", "AreaData"), ZDSaveJournal::FINISHED);
    EXPECT_EQ(inF(), summary(newFiles()));
}

TEST(SaveJournal, TheNextOpenRemovesTheWritersTemporariesOfTheScenariosFilesOnly)
{
    TestFolder folder;
    prepare();
    const char* ours[] = {"AreaData.tmp", "AreaData.tmp7", "BMap_No12.tmp99", "Save.journal.tmp"};
    const char* others[] = {"Notes.tmp", "BMap_No2.tmp100", "BMap_No2.tmp01", "AreaData.tmpx", "BMap_Nox.tmp"};
    for (const char* name : ours) {
        TestFolder::write(std::string("F\\") + name, "half");
    }
    Files expected = oldFiles();
    for (const char* name : others) {
        TestFolder::write(std::string("F\\") + name, "theirs");
        expected[name] = "theirs";
    }
    EXPECT_EQ(ZDSaveJournal::finish("F", "AreaData"), ZDSaveJournal::NOTHING);
    EXPECT_EQ(inF(), summary(expected));
}

// Random sets read back as written; every cut of the block and every altered byte is refused.
TEST(FileSetBlock, ReadsBackWhatWasWrittenAndRefusesEveryCutOrAlteredByte)
{
    std::mt19937 random(7);
    const std::string names[] = {"AreaData", "BMap_No12", "\x83\x5C\x95\x5C", "a b", "..x"};
    for (int round = 0; round < 30; ++round) {
        ZDFileSet set;
        for (const std::string& name : names) {
            switch (random() % 3) {
            case 0: {
                std::string bytes(random() % 40, '\0');
                for (char& c : bytes) {
                    c = "\r\nE W0x"[random() % 7];
                }
                set.write(name, bytes);
                break;
            }
            case 1:
                set.remove(name);
                break;
            }
        }
        std::string block = set.toBytes();
        ZDFileSet read;
        ASSERT_TRUE(ZDFileSet::fromBytes(block.data(), block.size(), &read));
        EXPECT_TRUE(read == set);
        for (size_t cut = 0; cut < block.size(); ++cut) {
            EXPECT_FALSE(ZDFileSet::fromBytes(block.data(), cut, &read)) << cut;
            EXPECT_TRUE(read.isEmpty());
        }
        for (size_t at = 0; at < block.size(); ++at) {
            std::string altered = block;
            altered[at] = static_cast<char>(altered[at] ^ (1 << (random() % 8)));
            EXPECT_FALSE(ZDFileSet::fromBytes(altered.data(), altered.size(), &read)) << at;
        }
        EXPECT_FALSE(ZDFileSet::fromBytes((block + "\r\n").data(), block.size() + 2, &read));
    }
    const struct {
        const char* name;
        bool plain;
    } names2[] = {{"AreaData", true}, {"\x83\x5C", true}, {"..x", true}, {"", false}, {".", false},
                  {"..", false}, {"a\\b", false}, {"a/b", false}, {"C:x", false}, {"a\nb", false}};
    for (const auto& row : names2) {
        EXPECT_EQ(ZDFileSet::isPlainName(row.name), row.plain) << row.name;
    }
}
