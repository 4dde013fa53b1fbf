#include "tool/TCPicture.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMConstants.h"
#include "editor/model/BMData.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMOverviewLayout.h"
#include "editor/view/BMRenderer.h"
#include "framework/graphics/HWindowsGraphics.h"
#include "tests/support/DrawingWindow.h"
#include "tests/support/PngDecoder.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/TestFolder.h"
#include "tool/TCCommand.h"

namespace {

struct Picture {
    std::vector<uint32_t> pixels;
    UINT width = 0;
    UINT height = 0;

    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Draws a map of the sample game's Default scenario through the command and reads the PNG.
Picture draw(const std::string& area, uint32_t layers)
{
    std::string out;
    std::string err;
    int status = TCCommand::picture(GameDirectory::sampleGame() + "\\Default", area, "map.png", layers,
                                    &out, &err);
    EXPECT_EQ(status, TCCommand::STATUS_CLEAN) << err;
    EXPECT_EQ(err, "");
    Picture picture;
    picture.pixels = decodePng(TestFolder::read("map.png"), &picture.width, &picture.height);
    return picture;
}

class PictureTest : public ::testing::Test {
protected:
    TestFolder m_folder;
    GameDirectory m_game{GameDirectory::sampleGame()};
};

}  // namespace

// The editor's display draws a frame of the same map through the GDI device into a window of
// the map's size: the picture is that frame but for the cursor (cell 0, 0 after a reset) and
// the frame rate at the top right.
TEST_F(PictureTest, ThePictureIsTheEditorsFrameWithoutCursorAndFrameRate)
{
    const int width = TCPicture::WIDTH;
    const int height = TCPicture::HEIGHT;
    BMData* data = BMData::getInstance(true);
    ASSERT_TRUE(data->load(HFile(GameDirectory::sampleGame() + "\\Default"), HFile()));
    std::vector<uint32_t> picture;
    ASSERT_TRUE(TCPicture::draw(2, TCPicture::DEFAULT_LAYERS, &picture));

    static DrawingWindow* window = new DrawingWindow(width, height, nullptr, DrawingWindow::TOP_LEVEL);
    SetWindowPos(window->handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    BMDisplay display;
    display.setData(false);
    data->setCurrent(2);
    display.resetState();
    display.getLayout().setViewFlag(0xFFFF, false);
    display.getLayout().setViewFlag(TCPicture::DEFAULT_LAYERS, true);
    display.setViewSize(width, height);
    BMRenderer renderer(display);
    renderer.resetImageBuffer();
    HWindowsGraphics gdi;
    gdi.setMainWindow(window->handle());
    InvalidateRect(window->handle(), nullptr, FALSE);
    gdi.begin();
    renderer.drawDisplay(&gdi);
    gdi.end();
    DrawingWindow::pump();
    std::vector<uint32_t> frame = DrawingWindow::readPixels(window->handle(), width, height);
    BMData::deleteInstance();

    int same = 0;
    int other = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool cursor = x < 32 && y < 32;
            bool rate = x >= width - 18 && y < 9;
            size_t at = static_cast<size_t>(y) * width + x;
            if (!cursor && !rate) {
                (frame[at] == picture[at] ? same : other) += 1;
            }
        }
    }
    EXPECT_EQ(other, 0);
    EXPECT_GT(same, 1000000);
}

// Each layer asked for is drawn and blended (where the editor draws what, and that the picture
// is the editor's frame, the renderer's tests and the test above settle); each map has its
// own picture.
TEST_F(PictureTest, EveryLayerAskedForShows)
{
    Picture chips = draw("2", VIEW_CHAR);
    for (uint32_t layer : {VIEW_OBJ, VIEW_PLACEMENT, VIEW_GRID, VIEW_CHAR_NUMBER, VIEW_OBJ_NUMBER,
                           VIEW_OBJ_ORDER, VIEW_HEIGHT}) {
        EXPECT_NE(draw("2", VIEW_CHAR | layer).pixels, chips.pixels) << layer;
    }
    Picture initial = draw("2", TCPicture::DEFAULT_LAYERS);
    EXPECT_NE(draw("3", TCPicture::DEFAULT_LAYERS).pixels, initial.pixels);
}

TEST_F(PictureTest, AllMapsGoIntoAFolderNamedAfterTheirFiles)
{
    std::string islands = GameDirectory::sampleGame() + "\\Islands";
    std::string out;
    std::string err;
    ASSERT_EQ(TCCommand::picture(islands, "all", "maps", VIEW_CHAR | VIEW_OBJ, &out, &err),
              TCCommand::STATUS_CLEAN)
        << err;
    EXPECT_EQ(TestFolder::list(), "maps");
    ASSERT_EQ(TCCommand::picture(islands, "4", "four.png", VIEW_CHAR | VIEW_OBJ, &out, &err),
              TCCommand::STATUS_CLEAN);
    EXPECT_EQ(TestFolder::read("maps\\BMap_No4.png"), TestFolder::read("four.png"));
    EXPECT_EQ(TestFolder::list(), "four.png maps");  // no temporary beside the picture
    for (int map = 1; map <= 6; ++map) {
        UINT width = 0;
        UINT height = 0;
        decodePng(TestFolder::read("maps\\BMap_No" + std::to_string(map) + ".png"), &width, &height);
        EXPECT_EQ(width, 1040u);
        EXPECT_EQ(height, 1024u);
    }
    EXPECT_NE(out.find("wrote maps\\BMap_No6.png: map 6 of "), std::string::npos) << out;
}

// An empty object bitmap leaves the maps drawable: the picture shows numbered stand-ins for
// the objects, and the command says which bitmap it could not use.
TEST_F(PictureTest, AnUnusableChipBitmapIsNamedAndItsChipsDrawnAsStandIns)
{
    std::filesystem::copy(GameDirectory::sampleGame() + "\\Default", "S",
                          std::filesystem::copy_options::recursive);
    std::string out;
    std::string err;
    ASSERT_EQ(TCCommand::picture("S", "2", "intact.png", VIEW_CHAR | VIEW_OBJ, &out, &err),
              TCCommand::STATUS_CLEAN);
    EXPECT_EQ(err, "");
    TestFolder::write("S\\Picture\\BMAPOBJ.BMP", "");
    ASSERT_EQ(TCCommand::picture("S", "2", "stand-ins.png", VIEW_CHAR | VIEW_OBJ, &out, &err),
              TCCommand::STATUS_CLEAN);
    EXPECT_EQ(err, "warning: .\\S\\Picture\\BMAPOBJ.BMP could not be used: its chips are drawn as "
                   "numbered stand-ins\n");
    Picture intact;
    intact.pixels = decodePng(TestFolder::read("intact.png"), &intact.width, &intact.height);
    Picture standIns;
    standIns.pixels = decodePng(TestFolder::read("stand-ins.png"), &standIns.width, &standIns.height);
    ASSERT_EQ(standIns.pixels.size(), intact.pixels.size());
    EXPECT_NE(standIns.pixels, intact.pixels);
}

TEST_F(PictureTest, LayerNamesAndAreasOutsideTheListAreRefused)
{
    uint32_t flags = 0;
    std::string error;
    EXPECT_TRUE(TCPicture::parseLayers("chips,grid,heights", &flags, &error));
    EXPECT_EQ(flags, static_cast<uint32_t>(VIEW_CHAR | VIEW_GRID | VIEW_HEIGHT));
    EXPECT_FALSE(TCPicture::parseLayers("chips,walls", &flags, &error));
    EXPECT_EQ(error, "unknown layer \"walls\"");
    EXPECT_FALSE(TCPicture::parseLayers("", &flags, &error));

    std::string game = GameDirectory::sampleGame();
    for (const char* area : {"0", "17", "x", "-1"}) {
        std::string out;
        std::string err;
        EXPECT_EQ(TCCommand::picture(game + "\\Default", area, "map.png", VIEW_CHAR, &out, &err),
                  TCCommand::STATUS_ERROR);
        EXPECT_EQ(err, "no area " + std::string(area) + " in " + game + "\\Default: its areas are 1 to 16\n");
    }
    std::string out;
    std::string err;
    EXPECT_EQ(TCCommand::picture("Nowhere", "1", "map.png", VIEW_CHAR, &out, &err), TCCommand::STATUS_ERROR);
    EXPECT_EQ(err, "cannot read scenario folder Nowhere: no such folder\n");
    err.clear();
    EXPECT_EQ(TCCommand::picture(game + "\\Default", "1", "Missing\\map.png", VIEW_CHAR, &out, &err),
              TCCommand::STATUS_ERROR);
    EXPECT_EQ(err.substr(0, 29), "cannot create Missing\\map.png");
    EXPECT_EQ(TestFolder::list(), "");
}

// The overview of Default: as large as its grid of 16 tiles ten a row; every tile's thumbnail
// and label drawn (not the bare background), links drawn in the gaps between tiles; a folder
// that is not there is an error.
TEST_F(PictureTest, TheOverviewDrawsEveryAreasTileAndTheLinks)
{
    std::string out;
    std::string err;
    ASSERT_EQ(TCCommand::overview(GameDirectory::sampleGame() + "\\Default", "overview.png", &out, &err),
              TCCommand::STATUS_CLEAN)
        << err;
    Picture picture;
    picture.pixels = decodePng(TestFolder::read("overview.png"), &picture.width, &picture.height);
    BMOverviewLayout layout;
    layout.setup(16, 0, TCCommand::OVERVIEW_COLUMNS);
    ASSERT_EQ(static_cast<int>(picture.width), layout.getSize().x);
    ASSERT_EQ(static_cast<int>(picture.height), layout.getSize().y);
    const uint32_t background = picture.at(0, 0);
    auto drawn = [&](const BMRect& rect) {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                count += picture.at(x, y) != background ? 1 : 0;
            }
        }
        return count;
    };
    int gaps = 0;
    for (uint32_t n = 1; n <= 16; ++n) {
        const BMRect thumb = layout.thumbnailOf(n);
        EXPECT_GT(drawn(thumb), thumb.width() * thumb.height() * 9 / 10) << n;
        BMRect label = layout.tileOf(n);
        label.bottom = thumb.top;
        EXPECT_GT(drawn(label), 20) << n;
        BMRect gap;  // between this tile and the next in its row
        gap.add(thumb.right + 8, thumb.top, BMOverviewLayout::GAP_X - 16, thumb.height());
        gaps += drawn(gap);
    }
    EXPECT_GT(gaps, 0);
    EXPECT_EQ(TCCommand::overview("no such folder", "none.png", &out, &err), TCCommand::STATUS_ERROR);
    EXPECT_FALSE(std::filesystem::exists("none.png"));
}
