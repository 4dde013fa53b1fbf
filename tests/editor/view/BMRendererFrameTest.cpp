#include "editor/view/BMRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include <d3d9.h>

#include "editor/model/BMEditor.h"
#include "editor/view/BMLayerScaler.h"
#include "editor/view/BMMiniMap.h"
#include "editor/view/BMRedraw.h"
#include "framework/graphics/HDirectX.h"
#include "framework/graphics/HDirectXGraphics.h"
#include "framework/graphics/HWindowsGraphics.h"
#include "tests/editor/view/RenderFixture.h"
#include "tests/support/DrawingWindow.h"

namespace {

const int kWidth = 1200;  // wider than the map picture
const int kHeight = 480;

// A window's client pixels as 0xRRGGBB, row by row.
struct Picture {
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * kWidth + x]; }
};

Picture readWindow(HWND window)
{
    return Picture{DrawingWindow::readPixels(window, kWidth, kHeight)};
}

// The largest difference of a colour channel between two pictures, outside the frame rate
// at the top right (each renderer counts its own frames).
int largestDifference(const Picture& a, const Picture& b)
{
    int largest = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (y < 9 && x >= kWidth - 18) {
                continue;
            }
            for (int shift : {0, 8, 16}) {
                int difference = std::abs(static_cast<int>(a.at(x, y) >> shift & 0xFF)
                                          - static_cast<int>(b.at(x, y) >> shift & 0xFF));
                largest = std::max(largest, difference);
            }
        }
    }
    return largest;
}

// Two frameless windows of the view's size, one above the other: the first drawn through
// the Direct3D device, the second through the GDI device. Made once for the process.
class BMRendererFrames : public SampleMap {
protected:
    static void SetUpTestSuite()
    {
        SampleMap::SetUpTestSuite();
        static DrawingWindow* direct = new DrawingWindow(kWidth, kHeight, nullptr, DrawingWindow::TOP_LEVEL);
        static DrawingWindow* gdi = new DrawingWindow(kWidth, kHeight, nullptr, DrawingWindow::TOP_LEVEL);
        SetWindowPos(direct->handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SetWindowPos(gdi->handle(), nullptr, 0, kHeight + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        s_directWindow = direct->handle();
        s_gdiWindow = gdi->handle();
        if (HDirectX::initialize()) {
            HDirectX::getInstance(s_directWindow, nullptr);
        }
    }

    void SetUp() override
    {
        SampleMap::SetUp();
        display.setViewSize(kWidth, kHeight);
        direct3D.setMainWindow(s_directWindow);
        ASSERT_TRUE(direct3D.initialize()) << "no Direct3D device";
        gdi.setMainWindow(s_gdiWindow);
    }

    // One frame of the renderer through the device, as the window shows it afterwards.
    Picture frame(BMRenderer& by, HGraphics* graphics)
    {
        HWND window = graphics->getMainWindow();
        InvalidateRect(window, nullptr, FALSE);
        graphics->begin();
        by.drawDisplay(graphics);
        graphics->end();
        // A presented frame reaches the window once the device has done all it was asked.
        if (graphics == &direct3D) {
            waitForDevice();
        }
        Picture previous;
        Picture shown = readWindow(window);
        for (int attempt = 0; attempt < 50 && shown.pixels != previous.pixels; ++attempt) {
            DrawingWindow::pump();
            Sleep(graphics == &gdi ? 1 : 40);
            previous = shown;
            shown = readWindow(window);
        }
        return shown;
    }

    Picture direct(BMRenderer& by) { return frame(by, &direct3D); }

    // A frame painted as the editor paints one: only the part that the renderer says the
    // frame changes is asked for, the rest of the window keeps what it showed.
    Picture painted(BMRenderer& by)
    {
        BMRegion area = by.pendingArea();
        for (int i = 0; i < area.size(); ++i) {
            RECT rect = {area[i].left, area[i].top, area[i].right, area[i].bottom};
            InvalidateRect(s_gdiWindow, &rect, FALSE);
        }
        gdi.begin();
        by.drawDisplay(&gdi);
        gdi.end();
        return readWindow(s_gdiWindow);
    }

    void waitForDevice()
    {
        auto* device = static_cast<IDirect3DDevice9*>(direct3D.getDrawingHandle());
        IDirect3DQuery9* query = nullptr;
        if (device == nullptr || FAILED(device->CreateQuery(D3DQUERYTYPE_EVENT, &query))) {
            Sleep(200);
            return;
        }
        query->Issue(D3DISSUE_END);
        for (int i = 0; i < 2000 && query->GetData(nullptr, 0, D3DGETDATA_FLUSH) == S_FALSE; ++i) {
            Sleep(1);
        }
        query->Release();
    }

    static HWND s_directWindow;
    static HWND s_gdiWindow;
    HDirectXGraphics direct3D;
    HWindowsGraphics gdi;
};

HWND BMRendererFrames::s_directWindow = nullptr;
HWND BMRendererFrames::s_gdiWindow = nullptr;

const uint32_t kBlack = 0x000000;
const uint32_t kVeilOverBlack = 0xAAAAAA;  // veil white (alpha 170) over black

TEST_F(BMRendererFrames, ThePanelsFollowTheRightEdge)
{
    Picture wide = direct(renderer);
    // The bottom edge of the area information panel and the right edge of the chooser, both
    // where no map lies under them.
    EXPECT_EQ(wide.at(kWidth - 248 + 120, 8 + 79), kVeilOverBlack);
    EXPECT_EQ(wide.at(kWidth - 348 + 339, kHeight - 168 + 100), kVeilOverBlack);

    display.setViewSize(kWidth - 100, kHeight);
    Picture narrower = direct(renderer);
    EXPECT_EQ(narrower.at(kWidth - 100 - 348 + 339, kHeight - 168 + 100), kVeilOverBlack);
    EXPECT_EQ(narrower.at(kWidth - 348 + 339, kHeight - 168 + 100), kBlack);
}

TEST_F(BMRendererFrames, WithoutAMapOrItsImagesOnlyTheFrameRateShows)
{
    auto blackBesidesTheRate = [](const Picture& picture) {
        Picture black;
        black.pixels.assign(picture.pixels.size(), kBlack);
        return largestDifference(picture, black) == 0;
    };
    renderer.releaseImageBuffer();
    EXPECT_TRUE(blackBesidesTheRate(direct(renderer))) << "images released";
    renderer.resetImageBuffer();
    data()->setCurrent(0);
    EXPECT_TRUE(blackBesidesTheRate(direct(renderer))) << "no map";
    EXPECT_TRUE(blackBesidesTheRate(frame(renderer, &gdi))) << "no map, GDI";
    // A renderer made without a map leaves its images clear, but for the digits, which need none.
    BMRenderer empty(display);
    empty.resetImageBuffer();
    for (BMRenderer::Image layer : {BMRenderer::IMAGE_CHAR, BMRenderer::IMAGE_GRID, BMRenderer::IMAGE_AREA_INFO,
                                    BMRenderer::IMAGE_OVERLAY}) {
        HMemoryImage* picture = empty.getImage(layer);
        ASSERT_NE(picture, nullptr) << "made, but left clear";
        EXPECT_EQ(inked(picture, 0, 0, picture->getWidth(), picture->getHeight()), 0) << "image " << layer;
    }
    EXPECT_GT(inked(empty.getImage(BMRenderer::IMAGE_GLYPHS), 0, 0, 60, 9), 0) << "the digits need no map";
}

// Whatever the window and the input report, a frame is drawn or skipped, never harmful.
TEST_F(BMRendererFrames, OddViewsAndScrollPositionsDrawNothingAmiss)
{
    const int scrolls[] = {INT32_MIN, -5000, -1, 0, 1039, 5000, INT32_MAX};
    const BMPoint views[] = {{0, 0}, {1, 1}, {-20, 30}, {300, 100}, {kWidth, kHeight}};
    for (BMPoint view : views) {
        for (int scroll : scrolls) {
            display.setViewSize(view.x, view.y);
            display.setScroll(scroll, scroll / 2);
            std::vector<uint16_t> cells = {0, 1023, 4000};
            renderer.redrawLayers(REDRAW_CHAR | REDRAW_OVERLAY | REDRAW_CHOOSER, &cells);
            frame(renderer, &gdi);
        }
    }
    for (int step : {0, 3}) {  // the zoomed pictures' edges
        display.setZoomStep(step);
        for (int scroll : {INT32_MIN, -1, INT32_MAX}) {
            display.setViewSize(300, 100);
            display.setScroll(scroll, scroll);
            std::vector<uint16_t> cells = {0, 1023};
            renderer.redrawLayers(REDRAW_CHAR | REDRAW_OVERLAY, &cells);
            renderer.drawMiniMap(3, 3);
            frame(renderer, &gdi);
        }
    }
    display.setZoomStep(BMZoom::START_STEP);
    HMemoryImage target(8, 8);
    renderer.drawNumber(&target, INT32_MAX, 0, 123, 3, 0);
    renderer.drawNumber(&target, INT32_MIN, INT32_MIN, 123, 3, 0);
    renderer.drawCharLayer(32, 5);
    renderer.drawCharLayer(5, INT32_MAX);
    EXPECT_EQ(inked(&target, 0, 0, 8, 8), 0);
    display.setViewSize(kWidth, kHeight);
    display.setScroll(0, 0);
    EXPECT_NE(frame(renderer, &gdi).at(600, 240), kBlack) << "still drawing";
}

// Frames compose and upload only what changed since the frame before; after any run of
// changes the Direct3D picture must be the one the GDI device shows of a renderer drawing
// everything afresh.
TEST_F(BMRendererFrames, AfterChangesDirect3DShowsWhatGdiShowsOfAFrameDrawnAfresh)
{
    auto afresh = [this]() {
        BMRenderer fresh(display);
        fresh.resetImageBuffer();
        return frame(fresh, &gdi);
    };
    display.getLayout().setViewFlag(0xFFFF, true);
    display.getLayout().setViewFlag(VIEW_PAGES, false);
    display.getLayout().setViewFlag(VIEW_PAGE_CHAR, true);
    display.getLayout().setHoverMark(12, 1);
    display.getEditor().setCellMark(5, 4, CELL_SELECTED, true);
    display.setCursor(3, 4);
    renderer.resetImageBuffer();
    Picture first = direct(renderer);
    EXPECT_NE(first.at(600, 240), kBlack) << "the map is shown";
    EXPECT_EQ(largestDifference(first, afresh()), 0) << "the first frame";
    data()->setByte(BMData::TYPE_CHARACTER, 17, 0, 4, 5);
    std::vector<uint16_t> cells = {5 * 32 + 4};
    renderer.redrawLayers(REDRAW_CHAR | REDRAW_NUMBER, &cells);
    direct(renderer);
    for (int x = 2; x < 9; ++x) {  // a drag along a row
        display.getEditor().setCellMark(x, 6, CELL_PENDING, true);
        renderer.drawMarkOverlay();
        direct(renderer);
    }
    display.getLayout().setHoverMark(55, 1);
    renderer.drawChooser();
    EXPECT_EQ(largestDifference(direct(renderer), afresh()), 0) << "after cell, overlay and panel changes";

    display.setScroll(32, 64);
    direct(renderer);
    display.getLayout().setViewFlag(VIEW_GRID, false);
    direct(renderer);
    data()->setByte(BMData::TYPE_OBJECT, 3, 0, 20, 10);
    cells = {10 * 32 + 20};
    renderer.redrawLayers(REDRAW_OBJ | REDRAW_NUMBER, &cells);
    EXPECT_EQ(largestDifference(direct(renderer), afresh()), 0) << "after scrolling and hiding the grid";
}

// What the frame must show at a zoom step, drawn the slow way from the 100 % images of a
// renderer that drew everything afresh: every shown layer scaled pixel by pixel and blended
// over black within the zoomed picture, then the panels at their places, unscaled.
std::unique_ptr<HMemoryImage> scaledReference(BMRenderer& fresh, const BMDisplay& display)
{
    const BMZoom& zoom = display.getLayout().getZoom();
    BMPoint scroll = display.getLayout().getScroll();
    std::unique_ptr<HMemoryImage> result(new HMemoryImage(kWidth, kHeight));
    HMemoryImage& reference = *result;
    reference.fill(HColor::BLACK);
    const struct {
        BMRenderer::Image image;
        uint32_t flags;
        BMLayerScaler::Filter filter;
    } layers[] = {
        {BMRenderer::IMAGE_CHAR, VIEW_CHAR, BMLayerScaler::FILTER_AVERAGE},
        {BMRenderer::IMAGE_OBJ, VIEW_OBJ, BMLayerScaler::FILTER_AVERAGE},
        {BMRenderer::IMAGE_PLACEMENT, VIEW_PLACEMENT,
         zoom.getStep() < 2 ? BMLayerScaler::FILTER_CELL_FILL : BMLayerScaler::FILTER_AVERAGE},
        {BMRenderer::IMAGE_NUMBER, VIEW_CHAR_NUMBER | VIEW_OBJ_NUMBER | VIEW_HEIGHT | VIEW_OBJ_ORDER,
         BMLayerScaler::FILTER_AVERAGE},
        {BMRenderer::IMAGE_GRID, VIEW_GRID, BMLayerScaler::FILTER_STRONGEST},
        {BMRenderer::IMAGE_OVERLAY, 0xFFFF, BMLayerScaler::FILTER_STRONGEST},
    };
    for (const auto& layer : layers) {
        if (!display.getLayout().isViewFlag(layer.flags)
            || (layer.image == BMRenderer::IMAGE_NUMBER && zoom.getStep() < 2)) {
            continue;
        }
        HMemoryImage scaled(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                int zx = x + scroll.x, zy = y + scroll.y;
                if (zx >= 0 && zy >= 0 && zx < 1040 * (8 << zoom.getStep()) / 32
                    && zy < 1024 * (8 << zoom.getStep()) / 32) {
                    scaled.getPixels()[y * kWidth + x] = BMLayerScaler::zoomedPixel(
                        fresh.getImage(layer.image), zx, zy, zoom.getStep(), layer.filter);
                }
            }
        }
        scaled.blend(&reference, 0, 0, kWidth, kHeight, 0, 0);
    }
    const struct {
        BMRenderer::Image image;
        BMPanel panel;
        uint32_t flags;
    } panels[] = {
        {BMRenderer::IMAGE_AREA_INFO, PANEL_AREA_INFO, VIEW_AREA_INFO},
        {BMRenderer::IMAGE_PALETTE, PANEL_PALETTE, VIEW_PALETTE},
        {BMRenderer::IMAGE_CHOOSER, PANEL_CHOOSER, VIEW_PAGES},
    };
    for (const auto& panel : panels) {
        if (display.getLayout().isViewFlag(panel.flags)) {
            BMPoint at = panelOrigin(panel.panel, kWidth, kHeight);
            HMemoryImage* picture = fresh.getImage(panel.image);
            picture->blend(&reference, at.x, at.y, picture->getWidth(), picture->getHeight(), 0, 0);
        }
    }
    return result;
}

}  // namespace

// The map, grid, numbers, marks and cursor scale together, the panels stay as they are, a
// layer hidden by its view flag shows nothing, and after a run of changes painted only where
// they changed the window shows exactly what a renderer drawing everything afresh shows.
TEST_F(BMRendererFrames, AtEveryZoomStepTheWindowShowsTheScaledDrawing)
{
    display.getLayout().setViewFlag(0xFFFF, true);
    display.getLayout().setViewFlag(VIEW_PAGES, false);
    display.getLayout().setViewFlag(VIEW_PAGE_CHAR, true);
    display.getMiniMap().setCorner(BMMiniMap::CORNER_TOP_LEFT);
    renderer.resetImageBuffer();  // the numbers and the chooser's page the flags ask for
    const BMPoint scrolls[] = {{0, 0}, {37, 21}, {32, 64}, {517, 333}};
    for (int step = 0; step < BMZoom::STEP_COUNT; ++step) {
        SCOPED_TRACE(step);
        display.getLayout().setViewFlag(VIEW_CHAR, step != 1);
        display.getLayout().setViewFlag(VIEW_GRID, step != 0);
        display.setZoomStep(step);
        display.setScroll(scrolls[step].x, scrolls[step].y);
        display.getEditor().setCellMark(-1, -1, 0, false);
        painted(renderer);
        // Every layer of two cells edited (an object set, then taken away), a selected cell, a
        // drag along a row, the cursor moved, a chooser entry hovered.
        for (int x : {9, 10}) {
            data()->setByte(BMData::TYPE_CHARACTER, static_cast<uint8_t>(30 + step + x), 0, x, 7);
            data()->setByte(BMData::TYPE_OBJECT, (step + x) % 2 == 0 ? 0 : 3, 0, x, 7);
            data()->setByte(BMData::TYPE_HEIGHT, static_cast<uint8_t>(step + x), 0, x, 7);
            data()->setByte(BMData::TYPE_CONNECT, static_cast<uint8_t>((step + x) % 9), 0, x, 7);
            data()->setWord(BMData::TYPE_CONNECT_ORDER, static_cast<uint16_t>(step * 31 + x), 0, x, 7);
        }
        std::vector<uint16_t> cells = {7 * 32 + 9, 7 * 32 + 10};
        renderer.redrawLayers(REDRAW_CHAR | REDRAW_OBJ | REDRAW_NUMBER | REDRAW_PLACEMENT, &cells);
        painted(renderer);
        display.getEditor().setCellMark(12, 8 + step, CELL_SELECTED, true);
        for (int x = 2; x < 9; ++x) {
            display.getEditor().setCellMark(x, 6, CELL_PENDING, true);
            renderer.drawMarkOverlay();
            painted(renderer);
        }
        display.setCursor(10 + step, 5);
        renderer.drawMarkOverlay();
        painted(renderer);
        display.getLayout().setHoverMark(0, 0);
        display.getLayout().setHoverMark(60 + step, 1);
        renderer.drawChooser();
        Picture shown = painted(renderer);

        BMRenderer fresh(display);
        fresh.resetImageBuffer();
        std::unique_ptr<HMemoryImage> reference = scaledReference(fresh, display);
        BMPoint mini = display.getMiniMap().place(kWidth, kHeight);
        int differing = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                bool rate = y < 9 && x >= kWidth - 18;
                bool miniMap = x >= mini.x && x < mini.x + BMMiniMap::WIDTH && y >= mini.y
                               && y < mini.y + BMMiniMap::HEIGHT;
                uint32_t expected = reference->getPixels()[y * kWidth + x] & 0xFFFFFF;
                differing += !rate && !miniMap && shown.at(x, y) != expected ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0) << "pixels unlike the scaled drawing";
        EXPECT_EQ(largestDifference(shown, frame(fresh, &gdi)), 0) << "unlike a full redraw";
    }
    display.setZoomStep(BMZoom::START_STEP);
}

// 200 % repeats each pixel; 50 % and 25 % average a block by alpha, or take its strongest
// pixel, the first of the highest alpha.
TEST(BMLayerScaler, ScalesByRepeatingAveragingOrTakingTheStrongestPixel)
{
    HMemoryImage layer(8, 8);
    uint32_t* pixels = layer.getPixels();
    const uint32_t block[4] = {0xFF204060, 0x80FF0000, 0x00123456, 0xFF0000FF};  // 2 x 2 at 0, 0
    pixels[0] = block[0];
    pixels[1] = block[1];
    pixels[8] = block[2];
    pixels[9] = block[3];
    pixels[8 * 4 + 5] = 0x40FFFFFF;  // alone in the 4 x 4 block at (4, 4)
    auto at = [&](int x, int y, int step, BMLayerScaler::Filter filter) {
        return BMLayerScaler::zoomedPixel(&layer, x, y, step, filter);
    };
    const auto average = BMLayerScaler::FILTER_AVERAGE;
    const auto strongest = BMLayerScaler::FILTER_STRONGEST;
    EXPECT_EQ(at(0, 0, 2, average), block[0]);
    EXPECT_EQ(at(1, 1, 3, strongest), block[0]);
    EXPECT_EQ(at(3, 1, 3, average), block[1]);
    EXPECT_EQ(at(2, 2, 3, average), block[3]);
    // Alpha (255 + 128 + 0 + 255) / 4 = 159.5, rounded 160; red (0x20 * 255 + 255 * 128) / 638.
    EXPECT_EQ(at(0, 0, 1, average), 0xA0000000u | (0x20 * 255 + 255 * 128 + 319) / 638 << 16
                                          | (0x40 * 255 + 319) / 638 << 8
                                          | (0x60 * 255 + 255 * 255 + 319) / 638);
    EXPECT_EQ(at(0, 0, 1, strongest), block[0]);  // the first of the two opaque pixels
    EXPECT_EQ(at(1, 1, 0, average), 0x04FFFFFFu);  // 64 / 16 alpha, the colour kept
    EXPECT_EQ(at(1, 1, 0, strongest), 0x40FFFFFFu);
    EXPECT_EQ(at(1, 0, 1, average), 0u) << "a clear block stays clear";

    // The cell fill: the top left pixel of the block's cell, clear in an odd row's first
    // half cell. Cell (1, 1) of a layer of the map's size starts at (48, 32).
    HMemoryImage map(1040, 1024);
    map.getPixels()[32 * 1040 + 48] = 0xBB444400;
    map.getPixels()[40 * 1040 + 56] = 0xFFFFFFFF;  // a digit drawn over the fill
    const auto fill = BMLayerScaler::FILTER_CELL_FILL;
    EXPECT_EQ(BMLayerScaler::zoomedPixel(&map, 14, 10, 0, fill), 0xBB444400u);  // (56, 40)
    EXPECT_EQ(BMLayerScaler::zoomedPixel(&map, 39, 31, 1, fill), 0xBB444400u);  // (78, 62)
    EXPECT_EQ(BMLayerScaler::zoomedPixel(&map, 10, 8, 0, fill), 0u) << "cell (0, 1)";
    map.getPixels()[32 * 1040] = 0xFF00FF00;
    EXPECT_EQ(BMLayerScaler::zoomedPixel(&map, 3, 8, 0, fill), 0u) << "the strip before it";
}
