#include "framework/graphics/HDirectX.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include <d3d9.h>

#include "framework/graphics/HDirectXGraphics.h"
#include "framework/graphics/HDirectXImage.h"
#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HGraphicsFactory.h"
#include "tests/support/DirectXSession.h"
#include "tests/support/DrawingWindow.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlack = RGB(0, 0, 0);

class HDirectXDevice : public ::testing::Test {
protected:
    void SetUp() override
    {
        directX = DirectXSession::device();
        ASSERT_NE(directX, nullptr) << "Direct3D 9 is not available";
        window = DirectXSession::window();
        component.handle = window;
        graphics = HGraphicsFactory::getInstance(&component, HGraphics::TYPE_DIRECTX);
        ASSERT_NE(graphics, nullptr);
        ASSERT_TRUE(graphics->initialize());
    }
    void TearDown() override
    {
        HGraphicsFactory::deleteInstance(&component, HGraphics::TYPE_DIRECTX);
        SetWindowPos(window, nullptr, 0, 0, DirectXSession::WIDTH, DirectXSession::HEIGHT,
                     SWP_NOMOVE | SWP_NOZORDER);
        if (directX != nullptr) {
            directX->reset(DirectXSession::WIDTH, DirectXSession::HEIGHT);
        }
    }

    // A Direct3D image, left half red and right half green, committed.
    std::unique_ptr<HDirectXImage> halves(int width, int height)
    {
        std::unique_ptr<HDirectXImage> image(new HDirectXImage(width, height, window));
        uint32_t* pixels = image->getPixels();
        int row = image->getStride() / 4;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                pixels[y * row + x] = x < width / 2 ? 0xFFFF0000 : 0xFF00FF00;
            }
        }
        image->commitPixels();
        return image;
    }

    struct Spot {
        int x, y;
        COLORREF color;
    };
    // Presented frames reach the window a moment later: waits up to two seconds for each.
    void expectShown(std::initializer_list<Spot> spots)
    {
        for (const Spot& spot : spots) {
            COLORREF color = CLR_INVALID;
            for (int attempt = 0; attempt < 100 && color != spot.color; ++attempt) {
                Sleep(attempt > 0 ? 20 : 0);
                DrawingWindow::pump();
                HDC dc = GetDC(window);
                color = GetPixel(dc, spot.x, spot.y);
                ReleaseDC(window, dc);
            }
            EXPECT_EQ(color, spot.color) << spot.x << "," << spot.y;
        }
    }

    HDirectX* directX = nullptr;
    HWND window = nullptr;
    DrawingWindow::Component component;
    HGraphics* graphics = nullptr;
};

}  // namespace

TEST_F(HDirectXDevice, TheDeviceObjectIsMadeOnceAndDrawsAnImageAsAQuadThatShowsInTheWindow)
{
    DrawingWindow other(30, 30);
    EXPECT_EQ(HDirectX::getInstance(other.handle(), window), directX);
    EXPECT_EQ(HDirectX::getInstance(nullptr, nullptr), directX);
    EXPECT_FALSE(directX->isUnusable());
    EXPECT_NE(directX->getDevice(), nullptr);
    EXPECT_EQ(graphics->getDrawingHandle(), directX->getDevice());
    EXPECT_NE(directX->getSharedVertexBuffer(), nullptr);
    EXPECT_EQ(directX->getSharedVertexBuffer(), directX->getSharedVertexBuffer());

    std::unique_ptr<HDirectXImage> image = halves(64, 32);
    ASSERT_TRUE(graphics->reset());
    ASSERT_TRUE(graphics->begin());
    EXPECT_TRUE(graphics->drawImage(image.get(), 10, 20, 64, 32, 0, 0));
    // Only the right half, from source x = 32, at 100, 100.
    EXPECT_TRUE(graphics->drawImage(image.get(), 100, 100, 64, 32, 32, 0));
    // Nothing: the source starts beyond the image.
    EXPECT_TRUE(graphics->drawImage(image.get(), 200, 20, 64, 32, 64, 0));
    graphics->end();
    expectShown({{11, 21, kRed}, {41, 51, kRed}, {43, 21, kGreen}, {73, 51, kGreen},
                 {74, 52, kBlack}, {9, 19, kBlack}, {100, 100, kGreen}, {131, 131, kGreen},
                 {132, 100, kBlack}, {210, 30, kBlack}});
}

TEST_F(HDirectXDevice, ResetFollowsTheWindowSizeAndKeepsTheTextures)
{
    std::unique_ptr<HDirectXImage> image = halves(40, 40);
    SetWindowPos(window, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    DrawingWindow::pump();
    ASSERT_TRUE(graphics->reset());
    IDirect3DSurface9* backBuffer = nullptr;
    ASSERT_EQ(directX->getDevice()->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer), D3D_OK);
    D3DSURFACE_DESC description = {};
    backBuffer->GetDesc(&description);
    backBuffer->Release();
    EXPECT_EQ(description.Width, 400u);
    EXPECT_EQ(description.Height, 300u);
    ASSERT_TRUE(graphics->begin());
    graphics->drawImage(image.get(), 350, 250, 40, 40, 0, 0);
    graphics->end();
    // One to one beyond the old 320 x 240 size: the back buffer was not stretched.
    expectShown({{351, 251, kRed}, {369, 289, kRed}, {370, 289, kGreen}, {390, 290, kBlack}});
}

TEST_F(HDirectXDevice, AFailedResetStopsDrawingUntilAResetSucceeds)
{
    TestFolder folder;
    LogCapture log({"info"});
    std::unique_ptr<HDirectXImage> image = halves(16, 16);
    // A render target in the default pool blocks every reset while it exists.
    IDirect3DSurface9* blocker = nullptr;
    ASSERT_EQ(directX->getDevice()->CreateRenderTarget(8, 8, D3DFMT_A8R8G8B8, D3DMULTISAMPLE_NONE,
                                                       0, FALSE, &blocker, nullptr), D3D_OK);
    EXPECT_FALSE(directX->reset(320, 240));
    EXPECT_FALSE(directX->isUnusable());
    EXPECT_FALSE(graphics->begin());
    EXPECT_TRUE(graphics->drawImage(image.get(), 0, 0, 16, 16, 0, 0));
    graphics->end();
    blocker->Release();
    EXPECT_TRUE(graphics->reset());
    ASSERT_TRUE(graphics->begin());
    EXPECT_TRUE(graphics->drawImage(image.get(), 0, 0, 16, 16, 0, 0));
    graphics->end();
    expectShown({{1, 1, kRed}});
    EXPECT_TRUE(log.contains("Reset:D3DERR_INVALIDCALL"));
}

TEST_F(HDirectXDevice, TexturesThatCannotBeMadeAreNoneAndOnlyDirect3DImagesAreDrawnDuringAFrame)
{
    TestFolder folder;
    LogCapture log({"info"});
    EXPECT_FALSE(directX->createTexture(0, 10));
    EXPECT_FALSE(directX->createTexture(1 << 20, 1 << 20));
    EXPECT_TRUE(log.contains("createTexture:"));
    HDirectXImage image(1 << 20, 1 << 20, window);
    EXPECT_EQ(image.getTexture(), nullptr);
    EXPECT_EQ(image.getPixels(), nullptr);
    EXPECT_FALSE(image.fill(HColor::RED));
    ASSERT_TRUE(graphics->begin());
    EXPECT_TRUE(graphics->drawImage(&image, 0, 0, 10, 10, 0, 0));
    graphics->end();

    std::unique_ptr<HDirectXImage> halfImage = halves(16, 16);
    HImage gdi(16, 16, nullptr);
    gdi.fill(HColor(0, 0, 255));
    // Outside a frame: nothing.
    EXPECT_TRUE(graphics->drawImage(halfImage.get(), 0, 0, 16, 16, 0, 0));
    ASSERT_TRUE(graphics->begin());
    EXPECT_FALSE(graphics->begin());  // no frame inside a frame
    EXPECT_TRUE(graphics->drawImage(&gdi, 0, 0, 16, 16, 0, 0));
    EXPECT_TRUE(graphics->drawImage(nullptr, 0, 0, 16, 16, 0, 0));
    EXPECT_FALSE(halfImage->draw(graphics, 0, 0, 16, 16, 0, 0));
    EXPECT_FALSE(gdi.draw(graphics, 0, 0, 16, 16, 0, 0));
    graphics->drawString("text", 0, 0);
    graphics->drawLine(0, 0, 10, 10);
    graphics->fillRect(0, 0, 10, 10);
    graphics->end();
    expectShown({{2, 2, kBlack}});
}

TEST_F(HDirectXDevice, ImagesAndDevicesOutliveAnUninitializeSafely)
{
    std::unique_ptr<HDirectXImage> old = halves(16, 16);
    HDirectX::uninitialize();
    EXPECT_FALSE(graphics->begin());
    EXPECT_FALSE(graphics->reset());
    graphics->end();
    ASSERT_NE(DirectXSession::device(), nullptr);
    directX = DirectXSession::device();
    ASSERT_TRUE(graphics->begin());
    // The old texture belongs to the destroyed device: it is not drawn.
    EXPECT_TRUE(graphics->drawImage(old.get(), 0, 0, 16, 16, 0, 0));
    graphics->end();
    expectShown({{2, 2, kBlack}});
    old.reset();  // released while d3d9.dll is still loaded
    std::unique_ptr<HDirectXImage> fresh = halves(16, 16);
    ASSERT_TRUE(graphics->begin());
    EXPECT_TRUE(graphics->drawImage(fresh.get(), 0, 0, 16, 16, 0, 0));
    graphics->end();
    expectShown({{2, 2, kRed}});
}
