// Open and save of generated area lists lose nothing: every area comes back with the values
// its line was made with, a line the columns cannot carry comes back byte for byte until its
// area is edited, and what follows the terminator line stays as it was.
#include "scenario/ZDAreaMapData.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenario/ZDArea.h"
#include "tests/support/TestFolder.h"

namespace {

const char* const kList = "S\\Data\\AreaData";

// How a generated line departs from the columns.
enum Shape { PLAIN, NUL, EXTRA_FIELDS, ODD_NUMBER, BLANK_AFTER_NAME, SHAPES };

struct Line {
    Shape shape = PLAIN;
    std::string text;  // as written into the file
    // The record the line was made of.
    std::string name;
    int32_t values[ZDArea::VALUES] = {};
    int32_t links[ZDArea::LINKS] = {};
    std::string music;
};

// Number texts the columns would write otherwise, and the value each reads as.
const struct {
    const char* text;
    int32_t value;
} kOddNumbers[] = {{"1a2", 12}, {"+5", 5}, {"--7", -7}, {"3.5", 35}};

class Generator {
public:
    explicit Generator(uint32_t seed) : m_random(seed) {}

    int below(int n) { return static_cast<int>(m_random() % static_cast<uint32_t>(n)); }

    std::string blanks()
    {
        std::string run;
        for (int i = 0, n = 1 + below(3); i < n; ++i) {
            run += below(3) == 0 ? '\t' : ' ';
        }
        return run;
    }

    std::string name()
    {
        // Shift-JIS: "ソ" and "表" end in 0x5C, which is no separator of any kind here.
        static const char* const kNames[] = {"王都", "ソ表", "Harbor", "北の砦", "x", "END1"};
        std::string text = kNames[below(6)];
        if (below(8) == 0) {
            text += std::string(1000 + static_cast<size_t>(below(400)), 'n');
        }
        return text;
    }

    Line line(int areas)
    {
        Line line;
        line.shape = below(3) == 0 ? static_cast<Shape>(1 + below(SHAPES - 1)) : PLAIN;
        line.name = name();
        for (int32_t& value : line.values) {
            value = below(4) == 0 ? static_cast<int32_t>(m_random()) : below(200) - 50;
        }
        for (int32_t& link : line.links) {
            link = below(2) == 0 ? 0 : 1 + below(areas);
        }
        static const char* const kMusic[] = {"", "BGM03.mid", "戦闘曲", "m"};
        line.music = kMusic[below(4)];
        if (line.shape == NUL) {
            line.name.insert(static_cast<size_t>(below(static_cast<int>(line.name.size()) + 1)), 1, '\0');
        }
        if (line.shape == BLANK_AFTER_NAME) {
            line.name += " ";  // the one blank closing a line stays on its last field
            line.text = line.name;
            std::fill(std::begin(line.values), std::end(line.values), 0);
            std::fill(std::begin(line.links), std::end(line.links), 0);
            line.music.clear();
            return line;
        }
        int odd = line.shape == ODD_NUMBER ? below(ZDArea::VALUES + ZDArea::LINKS) : -1;
        line.text = line.name;
        for (int field = 0; field < ZDArea::VALUES + ZDArea::LINKS; ++field) {
            int32_t& value = field < ZDArea::VALUES ? line.values[field]
                                                     : line.links[field - ZDArea::VALUES];
            line.text += blanks();
            if (field == odd) {
                const auto& number = kOddNumbers[below(4)];
                value = number.value;
                line.text += number.text;
            } else {
                line.text += std::to_string(value);
            }
        }
        if (!line.music.empty() || line.shape == EXTRA_FIELDS) {
            line.text += blanks() + (line.music.empty() ? "-" : line.music);
            line.music = line.music.empty() ? "-" : line.music;
        }
        if (line.shape == EXTRA_FIELDS) {
            line.text += " extra\t" + std::to_string(below(100));
        }
        return line;
    }

    std::string lineBreak()
    {
        static const char* const kBreaks[] = {"\r\n", "\r\n", "\n", "\r", "\r\n\r\n"};
        return kBreaks[below(5)];
    }

    // The terminator line and notes after it, or nothing.
    std::string end()
    {
        switch (below(4)) {
        case 0: return std::string();
        case 1: return "End";
        case 2: return "END\r\n";
        default: {
            std::string notes = std::string("END\r\nメモ: 次の版で直す\r\n") + '\0' + "\x1A\r\nEND\r\n";
            for (int i = 0, n = below(40); i < n; ++i) {
                notes += static_cast<char>(m_random());
            }
            return notes;
        }
        }
    }

private:
    std::mt19937 m_random;
};

// The first count lines of a written list (each ended by CR LF) and what follows them.
std::vector<std::string> writtenLines(const std::string& text, size_t count, std::string* rest)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        size_t stop = text.find("\r\n", start);
        if (stop == std::string::npos) {
            break;
        }
        lines.push_back(text.substr(start, stop - start));
        start = stop + 2;
    }
    *rest = text.substr(start);
    return lines;
}

void expectRecord(const ZDArea& area, const Line& line)
{
    EXPECT_EQ(area.getName(), line.name);
    for (int i = 0; i < ZDArea::VALUES; ++i) {
        EXPECT_EQ(area.getValue(i + 1), line.values[i]) << "value " << i + 1;
    }
    for (int i = 0; i < ZDArea::LINKS; ++i) {
        EXPECT_EQ(area.getLink(i), line.links[i]) << "link " << i;
    }
    EXPECT_EQ(area.getMusic(), line.music);
}

// Saves data and checks the written file against the model lines (edited: the areas whose
// lines must now stand in the columns) and the generated end: as many lines as areas, then
// the end.
void expectSaved(ZDAreaMapData& data, const std::vector<Line>& lines, const std::vector<bool>& edited,
                 const std::string& end)
{
    ASSERT_TRUE(data.save());
    std::string rest;
    std::vector<std::string> written = writtenLines(TestFolder::read(kList), lines.size(), &rest);
    ASSERT_EQ(written.size(), lines.size());
    EXPECT_EQ(rest, end.empty() ? std::string(ZDArea::TERMINATOR) : end);
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "line " << i + 1 << " shape " << lines[i].shape);
        if (lines[i].shape != PLAIN && !edited[i]) {
            EXPECT_EQ(written[i], lines[i].text);
            continue;
        }
        ZDArea back;
        ASSERT_TRUE(back.parseLine(written[i], HFile(), 1));
        // In the columns; a NUL byte of the name goes with it.
        EXPECT_EQ(back.getLineFaults(), lines[i].shape == NUL ? ZDArea::FAULT_NUL : 0);
        expectRecord(back, lines[i]);
    }
}

}  // namespace

TEST(AreaListRoundTrip, OpenAndSaveLoseNoValueAndNoByteOfWhatTheColumnsCannotCarry)
{
    TestFolder folder;
    TestFolder::makeFolder("S\\Data");
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        Generator generator(seed);
        std::vector<Line> lines(1 + static_cast<size_t>(generator.below(12)));
        std::string text;
        for (Line& line : lines) {
            line = generator.line(static_cast<int>(lines.size()));
            text += line.text + generator.lineBreak();
        }
        std::string end = generator.end();
        TestFolder::write(kList, text + end);

        ZDAreaMapData data;
        data.load(HFile("S"), HFile());  // no map files: the areas alone
        ASSERT_EQ(data.getAreaCount(), lines.size());
        for (size_t i = 0; i < lines.size(); ++i) {
            expectRecord(*data.getArea(static_cast<uint32_t>(i)), lines[i]);
            EXPECT_EQ(data.getArea(static_cast<uint32_t>(i))->getRawLine().empty(), lines[i].shape == PLAIN);
        }
        std::vector<bool> edited(lines.size(), false);
        expectSaved(data, lines, edited, end);

        // An edit of an area writes its line in the columns; the others stay as they were.
        // A name ending in a blank cannot stand in the columns, so such an area is not edited.
        size_t pick = static_cast<size_t>(generator.below(static_cast<int>(lines.size())));
        if (lines[pick].shape != BLANK_AFTER_NAME) {
            lines[pick].values[5] = 42;
            data.getArea(static_cast<uint32_t>(pick))->setValue(6, 42);
            edited[pick] = true;
            expectSaved(data, lines, edited, end);
        }
    }
}
