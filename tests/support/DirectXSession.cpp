#include "tests/support/DirectXSession.h"

#include "framework/graphics/HDirectX.h"
#include "tests/support/DrawingWindow.h"

HWND DirectXSession::window()
{
    static DrawingWindow* shared =
        new DrawingWindow(WIDTH, HEIGHT, nullptr, DrawingWindow::TOP_LEVEL);  // kept to the end
    return shared->handle();
}

HDirectX* DirectXSession::device()
{
    if (!HDirectX::initialize()) {
        return nullptr;
    }
    HDirectX* directX = HDirectX::getInstance(window(), nullptr);
    return directX != nullptr && !directX->isUnusable() ? directX : nullptr;
}
