#include "tests/support/DirectXSession.h"

#include "framework/HDirectX.h"
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

// Presented frames reach the window a moment later.
COLORREF DirectXSession::waitForPixel(HWND window, int x, int y, COLORREF expected)
{
    COLORREF color = CLR_INVALID;
    for (int attempt = 0; attempt < 100; ++attempt) {
        DrawingWindow::pump();
        HDC dc = GetDC(window);
        color = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        if (color == expected) {
            break;
        }
        Sleep(20);
    }
    return color;
}
