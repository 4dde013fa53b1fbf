#include "scenario/ZDArea.h"


#include <gtest/gtest.h>

#include "scenario/ZDEditArea.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

using Areas = std::vector<std::unique_ptr<ZDArea>>;

std::string format(const ZDArea& area)
{
    return area.formatLine();
}

ZDArea parsed(const std::string& line)
{
    ZDArea area;
    EXPECT_TRUE(area.parseLine(line, HFile("AreaData"), 1));
    return area;
}

ZDArea sample()
{
    ZDArea area;
    area.setName("王都");
    area.setValue(1, 3);
    area.setValue(2, 12);
    area.setCityCount(5);
    area.setWallCount(0);
    area.setRoadCount(123);
    area.setValue(6, 7);
    area.setValue(7, 100);
    area.setValue(8, 5000);
    area.setValue(9, -3);
    for (int i = 0; i < 8; ++i) {
        area.setLink(i, i * 2);
    }
    area.setMusic("BGM_03.mid");
    return area;
}

}  // namespace

// The game's files are laid out in these columns: the name in 18 (a longer one pushes the
// rest right), values 1 and 2 in three, the counts as two digits right-aligned in four (the
// road count in four), values 6 and 7 in four, two blanks before value 8 and before the first
// link; negative and wide numbers included. A reader that splits at blanks reads any of them
// back, so only the exact lines pin the layout.
TEST(AreaLineLayout, ATableOfRecordsAndTheirExactLines)
{
    struct Case {
        const char* name;
        int32_t values[ZDArea::VALUES];
        int32_t links[ZDArea::LINKS];
        const char* music;
        std::string line;
    } cases[] = {
        {"王都", {3, 12, 5, 0, 123, 7, 100, 5000, -3}, {0, 2, 4, 6, 8, 10, 12, 14}, "BGM_03.mid",
         std::string("王都") + std::string(14, ' ')
             + " 03 12  05  00 123   7 100  5000   -3  00 02 04 06 08 10 12 14 BGM_03.mid"},
        {"砦", {1, 2, 3, 45, 678, 6, -7, 8, 99999}, {0, 1, 2, 3, 4, 5, 6, 100}, "M.mid",
         std::string("砦") + std::string(16, ' ')
             + " 01 02  03  45 678   6  -7     8 99999  00 01 02 03 04 05 06 100 M.mid"},
        {"ABCDEFGHIJKLMNOPQ", {}, {}, "",
         "ABCDEFGHIJKLMNOPQ  00 00  00  00  00   0   0     0    0  00 00 00 00 00 00 00 00 "},
        {"ABCDEFGHIJKLMNOPQR", {-1, -12, -3, 1000, 5, -45, 123, -678, 12345}, {8, 7, 6, 5, 4, 3, 2, 1}, "x",
         "ABCDEFGHIJKLMNOPQR -1 -12  -3 1000  05 -45 123  -678 12345  08 07 06 05 04 03 02 01 x"},
        {"ABCDEFGHIJKLMNOPQRS", {10, 20, 30, 40, 50, 60, 70, 80, 90}, {11, 12, 13, 14, 15, 16, 17, 18}, "BGM.mid",
         "ABCDEFGHIJKLMNOPQRS 10 20  30  40  50  60  70    80   90  11 12 13 14 15 16 17 18 BGM.mid"},
    };
    for (const Case& c : cases) {
        ZDArea area;
        area.setName(c.name);
        for (int value = 1; value <= ZDArea::VALUES; ++value) {
            area.setValue(value, c.values[value - 1]);
        }
        for (int link = 0; link < ZDArea::LINKS; ++link) {
            area.setLink(link, c.links[link]);
        }
        area.setMusic(c.music);
        EXPECT_EQ(format(area), c.line) << c.name;
    }
}

TEST(AreaLineParsing, ReadsTheNineteenFieldsInOrder)
{
    ZDArea area = parsed("砦  1\t2 3 4 5 6 7 8 9 11 12 13 14 15 16 17 18 曲名 extra");
    EXPECT_EQ(area.getName(), "砦");
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(area.getValue(i), i);
    }
    EXPECT_EQ(area.getCityCount(), 3);
    EXPECT_EQ(area.getRoadCount(), 5);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(area.getLink(i), 11 + i);
    }
    EXPECT_EQ(area.getLink(8), 0);
    EXPECT_EQ(area.getValue(0), 0);
    EXPECT_EQ(area.getValue(10), 0);
    EXPECT_EQ(area.getMusic(), "曲名");
    EXPECT_EQ(area.getNumber(), 1);
    EXPECT_EQ(area.getFile().getName(), "AreaData");
}

TEST(AreaLineParsing, ANameAloneIsAnAreaAndEmptyTerminatorOrBlankLinesAreNone)
{
    ZDArea alone = parsed("Alone");
    EXPECT_EQ(alone.getName(), "Alone");
    EXPECT_TRUE(alone.sameRecord(parsed("Alone 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0")));
    ZDArea area;
    EXPECT_FALSE(area.parseLine("", HFile(), 1));
    EXPECT_FALSE(area.parseLine("END", HFile(), 1));
    EXPECT_FALSE(area.parseLine("End", HFile(), 1));
    EXPECT_FALSE(area.parseLine("   ", HFile(), 1));
    EXPECT_TRUE(area.parseLine("end", HFile(), 1));
    EXPECT_TRUE(area.parseLine("ENDING 1", HFile(), 2));
}

TEST(AreaList, StopsAtTheTerminatorAndNumbersOnlyAreaLines)
{
    TestFolder folder;
    LogCapture log({"debug"});
    Areas areas;
    int count = ZDArea::parseList("A 1\r\n\r\nB 2\r\nEND\r\nC 3\r\n", &areas, HFile("AreaData"));
    ASSERT_EQ(count, 2);
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0]->getName(), "A");
    EXPECT_EQ(areas[0]->getNumber(), 1);
    EXPECT_EQ(areas[1]->getName(), "B");
    EXPECT_EQ(areas[1]->getNumber(), 2);
    std::string text = log.text();
    EXPECT_NE(text.find(" DBG area:3(0,3)A 1\r\n"), std::string::npos);
    EXPECT_NE(text.find(" DBG area:3(7,10)B 2\r\n"), std::string::npos);
    EXPECT_NE(text.find(" DBG area:3(12,15)END\r\n"), std::string::npos);
    EXPECT_EQ(text.find("C 3"), std::string::npos);
}

TEST(AreaList, ReadsItsOwnTerminatorAFinalLineWithoutBreakAndLfOrCrAloneButNeedsText)
{
    Areas areas;
    EXPECT_EQ(ZDArea::parseList("A\r\nB\r\nEnd", &areas, HFile()), 2);
    Areas last;
    EXPECT_EQ(ZDArea::parseList("A\r\nB", &last, HFile()), 2);
    EXPECT_EQ(last[1]->getName(), "B");
    Areas appended;
    appended.emplace_back(new ZDArea);
    EXPECT_EQ(ZDArea::parseList("X", &appended, HFile()), 1);
    EXPECT_EQ(appended.size(), 2u);
    EXPECT_EQ(appended[1]->getNumber(), 1);

    Areas lf;
    EXPECT_EQ(ZDArea::parseList("Aa\nBb\n", &lf, HFile()), 2);
    EXPECT_EQ(lf[1]->getName(), "Bb");
    Areas cr;
    EXPECT_EQ(ZDArea::parseList("Aa\rBb\r", &cr, HFile()), 2);
    EXPECT_EQ(cr[1]->getName(), "Bb");
    // No text or no list is -1; a text of empty lines no area.
    EXPECT_EQ(ZDArea::parseList("", &areas, HFile()), -1);
    EXPECT_EQ(ZDArea::parseList("A", nullptr, HFile()), -1);
    EXPECT_EQ(ZDArea::parseList("\r\n\r\n", &areas, HFile()), 0);
}


TEST(EditableArea, NoticesEveryFieldButTheFile)
{
    ZDArea base = sample();
    EXPECT_FALSE(ZDEditArea(base).isModified());
    ZDEditArea file(base);
    file.setFile(HFile("other"));
    EXPECT_FALSE(file.isModified());
    ZDEditArea counts(base);
    counts.setWallCount(1);
    EXPECT_TRUE(counts.isModified());
    EXPECT_EQ(counts.getLoaded().getWallCount(), 0);
    ZDEditArea link(base);
    link.setLink(7, 99);
    EXPECT_TRUE(link.isModified());
    ZDEditArea ignored(base);
    ignored.setLink(8, 99);
    EXPECT_FALSE(ignored.isModified());
    ZDEditArea music(base);
    music.setMusic("x");
    EXPECT_TRUE(music.isModified());
    ZDEditArea number(base);
    number.setNumber(2);
    EXPECT_TRUE(number.isModified());
}

// Which lines the columns carry and why the others are kept as read.
TEST(AreaLineFaults, NameWhatTheColumnsCannotCarry)
{
    const std::string full = "n 1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8";
    const struct {
        std::string line;
        int faults;
    } kCases[] = {
        {full + " m", 0},
        {full + " ", 0},                   // as the editor writes an empty music name
        {full + " m ", 0},                 // the blank stays on the music, in the columns too
        {full + "  ", 0},                  // a music of one blank
        {"n\t-2147483648  2147483647 007", 0},
        {"Alone", 0},
        {"n 5 ", 0},
        {full + " m x", ZDArea::FAULT_FIELDS},
        {std::string("n\0x 1", 5), ZDArea::FAULT_NUL},
        {std::string("n 1 2\0", 6), ZDArea::FAULT_NUL | ZDArea::FAULT_NUMBER},
        {"n 1a2", ZDArea::FAULT_NUMBER},
        {"n +5", ZDArea::FAULT_NUMBER},
        {"n -", ZDArea::FAULT_NUMBER},
        {"n 2147483648", ZDArea::FAULT_NUMBER},
        {"n -2147483649", ZDArea::FAULT_NUMBER},
        {"n ", ZDArea::FAULT_TEXT},
        {"n  ", 0},                        // two blanks: a field of one blank, value 1 = 0
        {full + " m x 1a2", ZDArea::FAULT_FIELDS},  // fields past the 19th are not numbers
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.line);
        ZDArea area = parsed(c.line);
        EXPECT_EQ(area.getLineFaults(), c.faults);
        EXPECT_EQ(area.getRawLine(), c.faults != 0 ? c.line : std::string());
        EXPECT_EQ(area.keepsRawLine(), c.faults != 0);
        EXPECT_TRUE(parsed(area.formatLine()).sameFields(area));
    }
}

// A kept line is written as read while the record holds what it reads as, whoever holds the
// record; an edit writes the columns, and undoing the edit by hand brings the line back. A
// list of no areas is the terminator alone.
TEST(AreaLineFaults, AKeptLineTravelsWithItsRecordUntilAFieldChanges)
{
    const std::string line = "砦 1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 曲 notes of the modder";
    ZDArea area = parsed(line);
    ZDEditArea moved(area);
    moved.setNumber(9);
    moved.setFile(HFile("elsewhere"));
    EXPECT_EQ(moved.formatLine(), line);
    EXPECT_FALSE(ZDEditArea(area).isModified());

    moved.setLink(2, 4);
    EXPECT_EQ(moved.formatLine(), moved.formatColumns());
    EXPECT_TRUE(parsed(moved.formatLine()).sameFields(moved));
    EXPECT_EQ(parsed(moved.formatLine()).getLink(2), 4);
    moved.setLink(2, 3);
    EXPECT_EQ(moved.formatLine(), line);

    EXPECT_EQ(ZDArea::formatList({}, ""), "End");
}
