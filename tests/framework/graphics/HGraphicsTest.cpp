#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HGraphicsFactory.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/base/HText.h"
#include "framework/graphics/HFont.h"
#include "framework/graphics/HImage.h"
#include "tests/support/DrawingWindow.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

using FakeComponent = DrawingWindow::Component;

// Paints through the device as a WM_PAINT handler would: the whole client area is invalid.
class Paint {
public:
    Paint(HGraphics* device, HWND window) : m_device(device)
    {
        InvalidateRect(window, nullptr, FALSE);
        m_begun = device->begin();
    }
    ~Paint() { m_device->end(); }
    bool begun() const { return m_begun; }

private:
    HGraphics* m_device;
    bool m_begun;
};

}  // namespace

TEST(HGraphicsFactory, KeepsOneDevicePerWindowAndKindAndAChildsDirect3DDeviceDrawsIntoIt)
{
    TestFolder folder;
    LogCapture log({"info", "debug"});
    DrawingWindow window(40, 30);
    FakeComponent a{window.handle()};
    FakeComponent b{window.handle()};
    HGraphics* gdi = HGraphicsFactory::getInstance(&a, HGraphics::TYPE_GDI);
    ASSERT_NE(gdi, nullptr);
    EXPECT_EQ(gdi->getType(), HGraphics::TYPE_GDI);
    EXPECT_EQ(gdi->getMainWindow(), window.handle());
    EXPECT_EQ(HGraphicsFactory::getInstance(&a, HGraphics::TYPE_GDI), gdi);
    EXPECT_EQ(HGraphicsFactory::getInstance(&b, HGraphics::TYPE_GDI), gdi);  // same window

    HGraphics* d3dA = HGraphicsFactory::getInstance(&a, HGraphics::TYPE_DIRECTX);
    HGraphics* d3dB = HGraphicsFactory::getInstance(&b, HGraphics::TYPE_DIRECTX);
    ASSERT_NE(d3dA, nullptr);
    EXPECT_EQ(d3dA->getType(), HGraphics::TYPE_DIRECTX);
    EXPECT_NE(d3dA, d3dB);  // one per component
    EXPECT_EQ(HGraphicsFactory::getInstance(&a, HGraphics::TYPE_DIRECTX), d3dA);

    FakeComponent noWindow;
    EXPECT_EQ(HGraphicsFactory::getInstance(&noWindow, HGraphics::TYPE_GDI), nullptr);
    EXPECT_EQ(HGraphicsFactory::getInstance(&noWindow, HGraphics::TYPE_DIRECTX), nullptr);
    EXPECT_EQ(HGraphicsFactory::getInstance(&a, 3), nullptr);

    HGraphicsFactory::deleteInstance(&a, HGraphics::TYPE_GDI);
    HGraphicsFactory::deleteInstance(&a, HGraphics::TYPE_DIRECTX);
    HGraphicsFactory::deleteInstance(&b, HGraphics::TYPE_DIRECTX);
    EXPECT_NE(HGraphicsFactory::getInstance(&b, HGraphics::TYPE_GDI), nullptr);  // made anew
    HGraphicsFactory::deleteInstance(&b, HGraphics::TYPE_GDI);
    std::string before = log.text();
    EXPECT_EQ(before.find("deleteInstance error"), std::string::npos);

    LogCapture again({"info", "debug"});
    HGraphicsFactory::deleteInstance(&b, HGraphics::TYPE_GDI);
    HGraphicsFactory::deleteInstance(&b, 7);
    EXPECT_EQ(again.missing({"getInstance error unknown device type", "unknown type:3", "deleteInstance error\r\n",
                             "deleteInstance error unknown device type", "unknown type:7"}),
              "");

    // A Direct3D device of a child draws into it and takes the top window as its main one.
    LogCapture chain({"debug"});
    DrawingWindow top(60, 40);
    DrawingWindow middle(50, 30, top.handle());
    DrawingWindow child(20, 10, middle.handle());
    FakeComponent topComponent{top.handle()};
    FakeComponent middleComponent{middle.handle(), &topComponent};
    FakeComponent childComponent{child.handle(), &middleComponent};
    HGraphics* childDevice = HGraphicsFactory::getInstance(&childComponent, HGraphics::TYPE_DIRECTX);
    ASSERT_NE(childDevice, nullptr);
    EXPECT_EQ(childDevice->getMainWindow(), top.handle());
    EXPECT_EQ(childDevice->getSubWindow(), child.handle());
    HGraphics* own = HGraphicsFactory::getInstance(&topComponent, HGraphics::TYPE_DIRECTX);
    EXPECT_EQ(own->getMainWindow(), top.handle());
    EXPECT_EQ(own->getSubWindow(), nullptr);
    EXPECT_TRUE(chain.contains("getInstance:main=" + HText::address(top.handle()) + " sub="
                               + HText::address(child.handle())));
    HGraphicsFactory::deleteInstance(&childComponent, HGraphics::TYPE_DIRECTX);
    HGraphicsFactory::deleteInstance(&topComponent, HGraphics::TYPE_DIRECTX);
}

TEST(HWindowsGraphics, PaintsShapesAndImagesInTheColourAcrossPaints)
{
    DrawingWindow window(60, 40);
    FakeComponent component{window.handle()};
    HGraphics* device = HGraphicsFactory::getInstance(&component, HGraphics::TYPE_GDI);
    ASSERT_NE(device, nullptr);
    {
        Paint paint(device, window.handle());
        ASSERT_TRUE(paint.begun());
        EXPECT_FALSE(device->begin());  // no paint inside a paint
        device->setColor(HColor(0, 0, 255));
        device->fillRect(0, 0, 60, 40);
        device->setColor(HColor(255, 0, 0));
        device->fillRect(2, 2, 10, 10);
        device->drawRect(20, 2, 30, 12);
    }
    std::vector<uint32_t> shown = DrawingWindow::readPixels(window.handle(), 60, 40);
    EXPECT_EQ(shown[2 * 60 + 2], 0xFF0000u);
    EXPECT_EQ(shown[9 * 60 + 9], 0xFF0000u);
    EXPECT_EQ(shown[10 * 60 + 10], 0x0000FFu);  // right and bottom edges excluded
    EXPECT_EQ(shown[5 * 60 + 20], 0xFF0000u);
    EXPECT_EQ(shown[7 * 60 + 25], 0x0000FFu);  // drawRect leaves the inside alone

    HImage image(4, 4, nullptr);
    image.fill(HColor(0, 255, 0));
    {
        Paint paint(device, window.handle());
        ASSERT_TRUE(paint.begun());
        device->setLineWidth(3);
        device->drawLine(40, 20, 55, 20);  // still red: the colour outlives the paint
        EXPECT_TRUE(device->drawImage(&image, 40, 30, 4, 4, 0, 0));
        EXPECT_TRUE(device->drawImage(nullptr, 0, 0, 4, 4, 0, 0));
        EXPECT_TRUE(image.draw(device, 50, 30, 2, 2, 0, 0));
    }
    shown = DrawingWindow::readPixels(window.handle(), 60, 40);
    EXPECT_EQ(shown[21 * 60 + 45], 0xFF0000u);
    EXPECT_EQ(shown[31 * 60 + 41], 0x00FF00u);
    EXPECT_EQ(shown[31 * 60 + 51], 0x00FF00u);
    EXPECT_EQ(shown[32 * 60 + 52], 0x0000FFu);
    EXPECT_EQ(device->getDrawingHandle(), nullptr);

    // Outside a paint nothing is drawn and nothing fails.
    EXPECT_TRUE(device->drawImage(&image, 0, 0, 4, 4, 0, 0));
    device->fillRect(0, 0, 60, 40);
    device->drawString("text", 0, 0);
    EXPECT_FALSE(image.draw(device, 0, 0, 4, 4, 0, 0));
    EXPECT_EQ(DrawingWindow::readPixels(window.handle(), 1, 1)[0], 0x0000FFu);
    HGraphicsFactory::deleteInstance(&component, HGraphics::TYPE_GDI);
}

TEST(HWindowsGraphics, DrawsTextInTheColourAndFont)
{
    DrawingWindow window(80, 40);
    FakeComponent component{window.handle()};
    HGraphics* device = HGraphicsFactory::getInstance(&component, HGraphics::TYPE_GDI);
    HFont font("ＭＳ ゴシック", HFont::STYLE_BOLD, 16);
    {
        Paint paint(device, window.handle());
        device->setColor(HColor::WHITE);
        device->fillRect(0, 0, 80, 40);
        device->setColor(HColor(255, 0, 0));
        device->setFont(&font);
        device->drawString("地図", 2, 2);
    }
    std::vector<uint32_t> shown = DrawingWindow::readPixels(window.handle(), 80, 40);
    EXPECT_GT(std::count(shown.begin(), shown.end(), 0xFF0000u), 40);
    // Both glyphs, each about 21 pixels wide at 16 points: text reaches past x = 30.
    bool farRight = false;
    for (int y = 0; y < 40; ++y) {
        farRight = farRight || shown[y * 80 + 35] != 0xFFFFFFu;
    }
    EXPECT_TRUE(farRight);
    HGraphicsFactory::deleteInstance(&component, HGraphics::TYPE_GDI);
}
