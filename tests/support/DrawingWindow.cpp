#include "tests/support/DrawingWindow.h"

namespace {

const char* const kClassName = "TesselDrawingWindow";

// Paints nothing on its own, so what a test draws stays.
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void registerClass()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = windowProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        registered = RegisterClassA(&windowClass) != 0;
    }
}

HWND create(int x, int y, int width, int height, HWND parent)
{
    registerClass();
    DWORD style = (parent != nullptr ? WS_CHILD : WS_POPUP) | WS_VISIBLE;
    return CreateWindowExA(0, kClassName, "drawing test", style, x, y, width, height, parent,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Below the place of the top-level test windows, so that it never covers them.
HWND host()
{
    static HWND window = create(0, 420, 1024, 600, nullptr);
    return window;
}

}  // namespace

DrawingWindow::DrawingWindow(int width, int height, HWND parent, Kind kind)
{
    if (kind == TOP_LEVEL) {
        m_window = create(40, 40, width, height, nullptr);
    } else {
        m_window = create(0, 0, width, height, parent != nullptr ? parent : host());
    }
    pump();
}

DrawingWindow::~DrawingWindow()
{
    if (m_window != nullptr) {
        DestroyWindow(m_window);
    }
    pump();
}

void DrawingWindow::pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::vector<uint32_t> DrawingWindow::readPixels(HWND window, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const uint32_t* from = static_cast<const uint32_t*>(bits);
    std::vector<uint32_t> pixels(from, from + static_cast<size_t>(width) * height);
    for (uint32_t& pixel : pixels) {
        pixel &= 0xFFFFFF;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return pixels;
}
