// Run in a process whose d3d9.dll cannot be loaded (the test command disables it for this
// program): every Direct3D operation fails quietly and the application falls back to GDI.
#include "framework/graphics/HDirectX.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <d3d9.h>

#include "framework/graphics/HDirectXImage.h"
#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HGraphicsFactory.h"
#include "framework/gui/HApplication.h"
#include "tests/support/DrawingWindow.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

TEST(HDirectXMissing, EveryDirect3DOperationFailsAndTheApplicationFallsBack)
{
    const char* overrides = std::getenv("WINEDLLOVERRIDES");
    if (overrides == nullptr || std::string(overrides).find("d3d9=d") == std::string::npos) {
        GTEST_SKIP() << "needs WINEDLLOVERRIDES=d3d9=d (the test command sets it)";
    }
    TestFolder folder;
    LogCapture log({"info", "debug"});
    HApplication::initializeApplication(GetModuleHandleA(nullptr), nullptr, "", SW_SHOW,
                                        HApplication::FLAG_COM | HApplication::FLAG_DIRECTX);
    EXPECT_FALSE(HApplication::isFlagSet(HApplication::FLAG_DIRECTX));
    EXPECT_TRUE(HApplication::isFlagSet(HApplication::FLAG_COM));

    DrawingWindow window(64, 64);
    HDirectX* directX = HDirectX::getInstance(window.handle(), nullptr);
    ASSERT_NE(directX, nullptr);
    EXPECT_TRUE(directX->isUnusable());
    EXPECT_EQ(directX->getDevice(), nullptr);
    EXPECT_FALSE(directX->reset(64, 64));
    EXPECT_EQ(directX->getSharedVertexBuffer(), nullptr);
    directX->setSharedVertex(0, 0, 10, 10, 0, 0, 1, 1);
    directX->drawTexture(nullptr);
    EXPECT_FALSE(directX->createTexture(8, 8));

    DrawingWindow::Component component{window.handle()};
    HGraphics* graphics = HGraphicsFactory::getInstance(&component, HGraphics::TYPE_DIRECTX);
    ASSERT_NE(graphics, nullptr);
    EXPECT_FALSE(graphics->initialize());
    EXPECT_FALSE(graphics->reset());
    EXPECT_FALSE(graphics->begin());
    HDirectXImage image(8, 8, window.handle());
    EXPECT_EQ(image.getTexture(), nullptr);
    EXPECT_EQ(image.getPixels(), nullptr);
    EXPECT_EQ(image.lockPixels(), 0);
    EXPECT_FALSE(image.fill(HColor::RED));
    EXPECT_FALSE(image.resize(16, 16));
    HImage gdi(8, 8, nullptr);
    EXPECT_FALSE(gdi.draw(&image, 0, 0));
    EXPECT_TRUE(graphics->drawImage(&image, 0, 0, 8, 8, 0, 0));
    graphics->end();
    HGraphicsFactory::deleteInstance(&component, HGraphics::TYPE_DIRECTX);
    HApplication::uninitializeApplication();

    EXPECT_EQ(log.missing({"LoadLibrary error:d3d9.dll", "initialize error. cannot create DirectX object",
                           "DirectX::initialize=0", "error:directX object is NULL"}),
              "");
}
