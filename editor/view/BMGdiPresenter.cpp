#include "editor/view/BMGdiPresenter.h"

#include <cstdint>
#include <vector>

#include "framework/base/HWin32.h"
#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HImage.h"

namespace {

// The rectangles of the paint's own region (what the window asked for, where it shows) in
// the window's pixels, at most a few: a one-cell edit asks for its cell and perhaps a panel
// far away, and the box around both would be copied as a whole. The box around them in box;
// false when the region cannot be had.
bool paintedParts(HDC dc, std::vector<RECT>* parts, RECT* box)
{
    const size_t kMostParts = 16;
    if (dc == nullptr) {
        return false;
    }
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (region == nullptr) {
        return false;
    }
    bool known = false;
    POINT origin = {0, 0};
    // The system region is in screen coordinates.
    if (GetRandomRgn(dc, region, SYSRGN) == 1 && GetDCOrgEx(dc, &origin)) {
        OffsetRgn(region, -origin.x, -origin.y);
        const DWORD size = GetRegionData(region, 0, nullptr);
        std::vector<uint8_t> bytes(size);
        auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
        if (size >= sizeof(RGNDATAHEADER) && GetRegionData(region, size, data) == size) {
            const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
            *box = data->rdh.rcBound;
            if (data->rdh.nCount <= kMostParts) {
                parts->assign(rects, rects + data->rdh.nCount);
            } else {
                parts->assign(1, *box);
            }
            known = true;
        }
    }
    DeleteObject(region);
    return known;
}

}  // namespace

// Copying the whole frame costs milliseconds; the part a one-cell edit changes, microseconds.
void BMGdiPresenter::present(HGraphics* graphics, HImage* picture, const BMRegion& composed)
{
    HDC dc = static_cast<HDC>(graphics->getDrawingHandle());
    const RECT whole = {0, 0, picture->getWidth(), picture->getHeight()};
    std::vector<RECT> parts;
    RECT clip = whole;
    if (!paintedParts(dc, &parts, &clip)) {
        RECT box;
        const int kind = dc != nullptr ? GetClipBox(dc, &box) : ERROR;
        clip = kind == NULLREGION ? RECT{0, 0, 0, 0} : (kind == ERROR ? whole : box);
        parts.assign(1, clip);
    }
    for (const RECT& part : parts) {
        RECT shown;
        if (IntersectRect(&shown, &part, &whole)) {
            graphics->drawImage(picture, shown.left, shown.top, shown.right - shown.left,
                                shown.bottom - shown.top, shown.left, shown.top);
        }
    }
    // Parts just composed that this paint did not ask for get a paint of their own.
    HWND window = graphics->getMainWindow();
    for (int i = 0; i < composed.size() && window != nullptr; ++i) {
        const BMRect& part = composed[i];
        if (part.left < clip.left || part.top < clip.top || part.right > clip.right
            || part.bottom > clip.bottom) {
            RECT rect = {part.left, part.top, part.right, part.bottom};
            InvalidateRect(window, &rect, FALSE);
        }
    }
}
