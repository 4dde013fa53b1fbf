#include "editor/view/BMRenderer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/model/BMEditor.h"
#include "editor/view/BMColors.h"
#include "editor/view/BMMiniMap.h"
#include "scenario/ZDEditArea.h"
#include "framework/graphics/HImageLoader.h"
#include "tests/editor/view/RenderFixture.h"
#include "tests/support/TestFolder.h"

namespace {

const uint32_t kOliveARGB = 0xBB444400;  // shade olive (68, 68, 0, 187)

// The first cell of the current map whose value of the type passes the test; (-1, -1) if none.
template <class Test>
BMPoint findCell(BMData* data, int type, Test test)
{
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            uint32_t value = type == BMData::TYPE_CONNECT_ORDER || type == BMData::TYPE_ORDER
                                 ? data->getWord(type, 0, x, y)
                                 : data->getByte(type, 0, x, y);
            if (test(value)) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

using BMRendererNumbers = SampleMap;

// Where each digit of a number must show: the glyph sheet's cell of the digit in the strip.
struct NumberCase {
    uint32_t value;
    int digits;
    uint32_t style;
    const char* shown;  // what the reader sees, a blank for an empty advance
    int stripY, cellWidth, cellHeight, advance;
};

TEST_F(BMRendererNumbers, DigitsAreGlyphCellsAtTheStylesAdvances)
{
    const NumberCase cases[] = {
        {7, 3, 0x01, "007", 0, 6, 9, 5},     // a character number with leading zeros
        {7, 2, 0x82, "7", 90, 6, 9, 5},      // an object number, left aligned
        {7, 3, 0x80, "  7", 90, 6, 9, 5},    // an object order, right aligned
        {1234, 3, 0x01, "234", 0, 6, 9, 5},  // the value modulo 10 to the digits
        {10, 2, 0x04, "10", 10, 10, 17, 9},
        {10, 2, 0x08, "10", 30, 6, 9, 5},
        {10, 2, 0x10, "10", 40, 10, 17, 9},
        {10, 2, 0x20, "10", 60, 6, 9, 5},
        {10, 2, 0x40, "10", 70, 10, 17, 9},
        {10, 2, 0x84, "10", 90, 6, 9, 5},    // the later bit wins
        {0, 3, 0x00, "  0", 0, 6, 9, 5},     // zero keeps its last digit
        {5, 0, 0x01, "", 0, 6, 9, 5},
    };
    HMemoryImage* sheet = image(BMRenderer::IMAGE_GLYPHS);
    ASSERT_NE(sheet, nullptr);
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(std::string("shows \"") + c.shown + "\" for style " + std::to_string(c.style));
        HMemoryImage target(64, 20);
        renderer.drawNumber(&target, 2, 1, c.value, c.digits, c.style);
        std::string shown = c.shown;
        int x = 2;
        for (size_t i = 0; i < shown.size(); ++i, x += c.advance) {
            // A later digit covers the blank last column of the one before it.
            int width = i + 1 < shown.size() ? c.advance : c.cellWidth;
            if (shown[i] == ' ') {
                EXPECT_EQ(inked(&target, x, 1, width, c.cellHeight), 0) << "position " << i;
            } else {
                EXPECT_TRUE(sameBlock(&target, x, 1, sheet, (shown[i] - '0') * c.cellWidth, c.stripY,
                                      width, c.cellHeight))
                    << "position " << i;
            }
        }
        EXPECT_EQ(inked(&target, x - c.advance + c.cellWidth, 0, 64 - (x - c.advance + c.cellWidth), 20), 0)
            << "nothing after the number";
    }
}

using BMRendererLayers = SampleMap;

TEST_F(BMRendererLayers, ObjectsPlacementsAndNumbersDrawOnlyWhereTheMapAndTheFlagsHaveThem)
{
    BMPoint object = findCell(data(), BMData::TYPE_OBJECT, [](uint32_t v) { return v != 0; });
    BMPoint bare = findCell(data(), BMData::TYPE_OBJECT, [](uint32_t v) { return v == 0; });
    BMPoint placed = findCell(data(), BMData::TYPE_CONNECT, [](uint32_t v) { return v != 0; });
    ASSERT_GE(object.x, 0);
    ASSERT_GE(placed.x, 0);
    HMemoryImage* objects = image(BMRenderer::IMAGE_OBJ);
    EXPECT_GT(inked(objects, cellLeft(object.x, object.y), object.y * 32, 32, 32), 0);
    EXPECT_EQ(inked(objects, cellLeft(bare.x, bare.y), bare.y * 32, 32, 32), 0);

    // A placement cell: olive with the group in large digits and the order in small ones.
    HMemoryImage* placements = image(BMRenderer::IMAGE_PLACEMENT);
    HMemoryImage* sheet = image(BMRenderer::IMAGE_GLYPHS);
    int px = cellLeft(placed.x, placed.y);
    int py = placed.y * 32;
    int group = data()->getByte(BMData::TYPE_CONNECT, 0, placed.x, placed.y);
    EXPECT_EQ(pixel(placements, px, py), kOliveARGB);
    EXPECT_EQ(pixel(placements, px + 31, py + 31), kOliveARGB);
    EXPECT_TRUE(sameBlock(placements, px + 4, py + 8, sheet, group * 10, 10, 10, 17));
    int order = data()->getWord(BMData::TYPE_CONNECT_ORDER, 0, placed.x, placed.y);
    EXPECT_TRUE(sameBlock(placements, px + 21, py + 14, sheet, order % 10 * 6, 30, 6, 9));

    // Each number of the object's cell shows in its own box, and only while its flag is on.
    px = cellLeft(object.x, object.y);
    py = object.y * 32;
    HMemoryImage* numbers = image(BMRenderer::IMAGE_NUMBER);
    struct Box {
        uint32_t flag;
        int x, y, w, h;
    } boxes[] = {{VIEW_OBJ_NUMBER, 2, 0, 12, 9}, {VIEW_OBJ_ORDER, 14, 0, 16, 9},
                 {VIEW_CHAR_NUMBER, 2, 23, 16, 9}, {VIEW_HEIGHT, 19, 23, 11, 9}};
    for (const Box& shown : boxes) {
        display.getLayout().setViewFlag(VIEW_OBJ_NUMBER | VIEW_OBJ_ORDER | VIEW_CHAR_NUMBER | VIEW_HEIGHT, false);
        display.getLayout().setViewFlag(shown.flag, true);
        renderer.drawNumberLayer(-1, -1);
        SCOPED_TRACE("flag " + std::to_string(shown.flag));
        int inBox = inked(numbers, px + shown.x, py + shown.y, shown.w, shown.h);
        EXPECT_GT(inBox, 0);
        EXPECT_EQ(inked(numbers, px, py, 32, 32), inBox) << "nothing else in the cell";
    }
}

TEST_F(BMRendererLayers, TheOverlayMarksCellsAndTheCursorByMouseMode)
{
    HMemoryImage* overlay = image(BMRenderer::IMAGE_OVERLAY);
    display.setCursor(2, 3);
    display.getEditor().setCellMark(4, 3, CELL_SELECTED, true);
    display.getEditor().setCellMark(5, 3, CELL_PENDING, true);
    struct ModeCase {
        int mode;
        uint32_t cursor, pending;
    } modes[] = {{MOUSE_SELECT, 0xFFFFFF00, 0x99666600}, {MOUSE_DIRECT, 0xFFFFFFFF, 0x99666666}};
    for (const ModeCase& m : modes) {
        display.getEditor().setMouseMode(m.mode);
        renderer.drawMarkOverlay();
        int y = 3 * 32;
        EXPECT_EQ(pixel(overlay, cellLeft(2, 3), y), m.cursor);
        EXPECT_EQ(pixel(overlay, cellLeft(2, 3) + 31, y + 31), m.cursor);
        EXPECT_EQ(pixel(overlay, cellLeft(2, 3) + 16, y + 16), 0u) << "a frame, not a fill";
        EXPECT_EQ(pixel(overlay, cellLeft(4, 3), y + 10), 0xFFFF0000u) << "selected: red frame";
        EXPECT_EQ(pixel(overlay, cellLeft(4, 3) + 16, y + 16), 0u);
        EXPECT_EQ(pixel(overlay, cellLeft(5, 3) + 16, y + 16), m.pending) << "pending: filled";
        EXPECT_EQ(inked(overlay, 0, 0, 1040, 1024), 124 + 124 + 32 * 32) << "three cells marked";
    }
}

// The palette's fifth shape button and the brush beside it: labels in white for what is
// chosen (the brush only while it paints: free hand in direct mode), grey otherwise.
TEST_F(BMRendererLayers, TheFillButtonAndTheBrushLabelShowWhatIsChosen)
{
    HMemoryImage* palette = image(BMRenderer::IMAGE_PALETTE);
    ASSERT_EQ(palette->getHeight(), 140);
    // Whether a label's exact colour shows inside a button's frame (the frame itself is white).
    auto shows = [&](int x, int w, uint32_t colour) {
        for (int row = 122; row < 138; ++row) {
            for (int column = x; column < x + w; ++column) {
                if (pixel(palette, column, row) == colour) {
                    return true;
                }
            }
        }
        return false;
    };
    const uint32_t white = 0xFFFFFFFF;
    const uint32_t grey = 0xFFCCCCCC;
    struct Case {
        int shape, mouse;
        bool fillWhite, brushWhite;
    } cases[] = {
        {SHAPE_FILL, MOUSE_SELECT, true, false},
        {SHAPE_FREE, MOUSE_SELECT, false, false},
        {SHAPE_FREE, MOUSE_DIRECT, false, true},
        {SHAPE_FILL, MOUSE_DIRECT, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.shape) + "," + std::to_string(c.mouse));
        display.getEditor().setShape(c.shape);
        display.getEditor().setMouseMode(c.mouse);
        renderer.drawPalette();
        EXPECT_EQ(shows(2, 36, white), c.fillWhite);
        EXPECT_EQ(shows(2, 36, grey), !c.fillWhite);
        EXPECT_EQ(shows(48, 72, white), c.brushWhite);
        EXPECT_EQ(shows(48, 72, grey), !c.brushWhite);
    }
    // The radius is drawn: another radius, other pixels.
    BMRenderer radius3(display);
    display.setBrushRadius(3);
    radius3.resetImageBuffer();
    EXPECT_FALSE(sameBlock(palette, 48, 122, radius3.getImage(BMRenderer::IMAGE_PALETTE), 48, 122, 72, 16));
}

// Under the group buttons the palette counts the current group's cells against the 20 the map
// file holds: in red, like the group's button, while a group that leads to an area has fewer.
TEST_F(BMRendererLayers, TheGroupLabelCountsTheCurrentGroupsCellsAgainstTwenty)
{
    HMemoryImage* palette = image(BMRenderer::IMAGE_PALETTE);
    ZDEditArea* area = data()->getArea(0);
    const int32_t link = area->getLink(2);
    const HColor red(255, 0, 0);
    const HColor white(255, 255, 255);
    struct Case {
        int cells;
        bool linked;
        const char* label;
        HColor colour;
    } cases[] = {{12, true, "12/20", red}, {20, true, "20/20", white}, {0, false, "0/20", white},
                 {7, false, "7/20", white}};
    display.setEditMode(MODE_PLACEMENT);
    display.getEditor().setGroupIndex(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        area->setLink(2, c.linked ? 1 : 0);
        for (int index = 0; index < 1024; ++index) {
            const bool inGroup = index >= 40 && index < 40 + c.cells;
            if (inGroup || data()->getByte(BMData::TYPE_CONNECT, 0, index % 32, index / 32) == 3) {
                data()->setByte(BMData::TYPE_CONNECT, inGroup ? 3 : 0, 0, index % 32, index / 32);
            }
        }
        data()->correct(0);
        renderer.drawPalette();
        HMemoryImage expected(PALETTE_WIDTH, PALETTE_HEIGHT);
        HImageLoader::fillRect(&expected, 0, 0, PALETTE_WIDTH, PALETTE_HEIGHT, BMColors::SHADE_OLIVE);
        HImageLoader::drawString(&expected, 8, 84, renderer.getPanelFont(), c.label, c.colour);
        EXPECT_TRUE(sameBlock(palette, 8, 84, &expected, 8, 84, static_cast<int>(std::strlen(c.label)) * 6, 14));
    }
    area->setLink(2, link);
}

// The average of a chip's pixels as a map layer shows it (its transparent colour skipped),
// 0 for a chip without any.
uint32_t chipAverage(HImage* chips, int chip)
{
    HMemoryImage block(32, 32);
    chips->draw(&block, 0, 0, 32, 32, chip % 20 * 32, chip / 20 * 32);
    uint64_t count = 0, red = 0, green = 0, blue = 0;
    for (int i = 0; i < 32 * 32; ++i) {
        uint32_t p = block.getPixels()[i];
        if (p >> 24 != 0) {
            ++count;
            red += p >> 16 & 0xFF;
            green += p >> 8 & 0xFF;
            blue += p & 0xFF;
        }
    }
    if (count == 0) {
        return 0;
    }
    return 0xFF000000u | static_cast<uint32_t>((red + count / 2) / count) << 16
           | static_cast<uint32_t>((green + count / 2) / count) << 8
           | static_cast<uint32_t>((blue + count / 2) / count);
}

using BMRendererMiniMap = SampleMap;

// Every cell of the mini-map shows its terrain chip's colour, a city over the whole cell and
// a wall or road at its centre in its object chip's; the picture follows an edit, its undo
// and another map.
TEST_F(BMRendererMiniMap, ShowsEveryCellInTheColoursOfItsChips)
{
    auto wrongCells = [this]() {
        HMemoryImage* mini = display.getMiniMap().getPixels();
        if (mini == nullptr) {
            return -1;
        }
        int wrong = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                int left = 3 + 4 * x + 2 * (y % 2), top = 19 + 4 * y;
                uint32_t terrain = chipAverage(data()->getCharacterImage(),
                                               data()->getByte(BMData::TYPE_CHARACTER, 0, x, y));
                int object = data()->getByte(BMData::TYPE_OBJECT, 0, x, y);
                uint32_t mark = object != 0 ? chipAverage(data()->getObjectImage(), object) : terrain;
                uint32_t corner = object >= 1 && object <= 15 ? mark : terrain;
                wrong += pixel(mini, left, top) != corner || pixel(mini, left + 1, top + 1) != mark
                                 || pixel(mini, left + 3, top + 3) != corner;
            }
        }
        return wrong;
    };
    EXPECT_EQ(wrongCells(), 0) << "after loading";
    BMPoint city = findCell(data(), BMData::TYPE_OBJECT, [](uint32_t v) { return v >= 1 && v <= 15; });
    BMPoint road = findCell(data(), BMData::TYPE_OBJECT, [](uint32_t v) { return v >= 25; });
    ASSERT_GE(city.x, 0);
    ASSERT_GE(road.x, 0);

    // An edit through the display: its own renderer draws the same mini-map.
    display.setCursor(7, 9);
    display.getEditor().setCharacter(data()->getByte(BMData::TYPE_CHARACTER, 0, 7, 9) == 77 ? 78 : 77);
    display.show(display.getEditor().execSet(MODE_CHAR));
    EXPECT_EQ(wrongCells(), 0) << "after an edit";
    display.show(display.getEditor().undo());
    EXPECT_EQ(wrongCells(), 0) << "after its undo";
    data()->setCurrent(2);
    display.getRenderer().resetImageBuffer();
    EXPECT_EQ(wrongCells(), 0) << "on map 2";
}

// The outline of what the view shows, in the mini-map's pixels (the picture starts at (3, 19),
// 8 map pixels to one of its pixels).
TEST(BMMiniMapOutline, FramesThePartOfTheMapTheViewShowsAtEveryStep)
{
    const struct {
        int step;
        BMPoint scroll, view;
        int left, top, width, height;
    } cases[] = {
        {2, {0, 0}, {800, 600}, 3, 19, 100, 75},
        {2, {80, 40}, {8, 8}, 13, 24, 1, 1},
        {0, {0, 0}, {800, 600}, 3, 19, 130, 128},   // the whole map
        {1, {100, 50}, {300, 200}, 28, 31, 75, 51},  // map pixels 200..800, 100..500
        {3, {1000, 600}, {400, 300}, 65, 56, 26, 20},  // 500..700, 300..450
    };
    for (const auto& c : cases) {
        BMZoom zoom;
        zoom.setStep(c.step);
        BMRect outline = BMMiniMap::outline(c.scroll, c.view, zoom);
        EXPECT_EQ((std::vector<int>{outline.left, outline.top, outline.width(), outline.height()}),
                  (std::vector<int>{c.left, c.top, c.width, c.height}))
            << c.step;
    }
    BMZoom zoom;
    EXPECT_TRUE(BMMiniMap::outline({5000, 0}, {800, 600}, zoom).isEmpty()) << "off the map";
}

// Chip bitmaps that could not be loaded are drawn as numbered stand-ins laid out as a chip
// bitmap is: each cell shows its chip's stand-in, a character chip's covers the cell, an
// object chip's leaves most of it clear for the terrain, and no two chips look alike.
TEST(BMRendererStandIns, ChipsOfBitmapsThatCouldNotBeLoadedAreNumberedStandIns)
{
    TestFolder folder;
    std::filesystem::copy(GameDirectory::sampleGame() + "\\Default", "S",
                          std::filesystem::copy_options::recursive);
    GameDirectory game("");
    TestFolder::write("S\\Picture\\BMAPCHAR.BMP", "");
    TestFolder::write("S\\Picture\\BMAPOBJ.BMP", "BM");
    BMData::setInstance(new BMData());
    BMData* data = BMData::getInstance(false);
    EXPECT_FALSE(data->load(HFile("S"), HFile()));
    EXPECT_EQ(data->getCharacterImage(), nullptr);
    EXPECT_EQ(data->getObjectImage(), nullptr);
    data->setCurrent(1);
    {
        BMDisplay display;
        display.setData(false);
        display.resetState();
        BMRenderer renderer(display);
        renderer.resetImageBuffer();
        HImage* characters = renderer.chipSheet(false);
        HImage* objects = renderer.chipSheet(true);
        ASSERT_NE(characters, nullptr);
        ASSERT_NE(objects, nullptr);
        EXPECT_EQ(characters->getWidth(), 640);
        EXPECT_EQ(characters->getHeight(), 384);
        EXPECT_EQ(objects->getHeight(), 64);
        EXPECT_EQ(renderer.chipSheet(false), characters) << "made once";

        BMPoint object = findCell(data, BMData::TYPE_OBJECT, [](uint32_t v) { return v != 0; });
        ASSERT_GE(object.x, 0);
        for (BMPoint cell : {BMPoint{0, 0}, BMPoint{7, 3}, object}) {
            int px = cellLeft(cell.x, cell.y);
            int chip = data->getByte(BMData::TYPE_CHARACTER, 0, cell.x, cell.y);
            EXPECT_TRUE(sameBlock(renderer.getImage(BMRenderer::IMAGE_CHAR), px, cell.y * 32, characters,
                                  chip % 20 * 32, chip / 20 * 32, 32, 32));
            EXPECT_EQ(inked(renderer.getImage(BMRenderer::IMAGE_CHAR), px, cell.y * 32, 32, 32), 32 * 32);
        }
        int chip = data->getByte(BMData::TYPE_OBJECT, 0, object.x, object.y);
        EXPECT_TRUE(sameBlock(renderer.getImage(BMRenderer::IMAGE_OBJ), cellLeft(object.x, object.y),
                              object.y * 32, objects, chip % 20 * 32, chip / 20 * 32, 32, 32));
        int ink = inked(objects, chip % 20 * 32, chip / 20 * 32, 32, 32);
        EXPECT_GT(ink, 0);
        EXPECT_LT(ink, 32 * 32 / 2);
        EXPECT_EQ(inked(objects, 0, 0, 32, 32), 0) << "object 0 is none";
        for (int a : {1, 9, 10, 100, 219}) {
            for (int b : {2, 19, 11, 110, 239}) {
                EXPECT_FALSE(sameBlock(characters, a % 20 * 32, a / 20 * 32, characters, b % 20 * 32,
                                       b / 20 * 32, 32, 32))
                    << a << " and " << b;
            }
        }
    }
    BMData::deleteInstance();
}

}  // namespace
