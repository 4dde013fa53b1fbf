#include "framework/graphics/HImage.h"

#include <algorithm>
#include <new>

#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HSelectObject.h"
#include "framework/graphics/HWindowDC.h"

namespace {

// A bottom-up 32-bit DIB of the image's size: the layout of the pixel copy.
BITMAPINFO pixelCopyInfo(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

bool hasPixels(int width, int height)
{
    return width > 0 && height > 0;
}

}  // namespace

HImage::HImage() : HImage(1, 1, nullptr, true)
{
}

HImage::HImage(int width, int height, HWND window) : HImage(width, height, window, true)
{
}

HImage::HImage(int width, int height, HWND window, bool create)
    : m_width(width), m_height(height)
{
    setClassName("HImage");
    if (create) {
        this->create(window);
    }
}

HImage::~HImage()
{
    m_pixels.reset();
    deleteMask();
    if (m_dc && m_initialBitmap != nullptr) {
        selectBitmap(nullptr);
    }
    m_dc.reset();
    m_bitmap.reset();
}

void HImage::create(HWND window)
{
    HWindowDC windowDC(window);
    if (!windowDC) {
        HLOG_INFO("デバイスコンテキストの取得に失敗");
        return;
    }
    m_bitmap.reset(CreateCompatibleBitmap(windowDC.get(), m_width, m_height));
    m_dc.reset(CreateCompatibleDC(windowDC.get()));
    if (m_dc) {
        if (m_bitmap) {
            selectBitmap(m_bitmap.get());
        }
        SetBkMode(m_dc.get(), TRANSPARENT);
    }
    if (!fill(HColor::BLACK)) {
        HLOG_INFO("イメージバッファの色初期化に失敗");
    }
}

void HImage::setSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

void HImage::deleteMask()
{
    if (m_maskDC && m_maskInitialBitmap != nullptr) {
        SelectObject(m_maskDC.get(), m_maskInitialBitmap);
    }
    m_maskInitialBitmap = nullptr;
    m_maskDC.reset();
    m_maskBitmap.reset();
}

void HImage::releasePixels()
{
    m_pixels.reset();
}

// GetDIBits and SetDIBits want the bitmap out of every device context while they run.
int HImage::transferBits(bool write, const BITMAPINFO* info, void* bits, unsigned rows)
{
    if (!m_dc || !m_bitmap) {
        return 0;
    }
    selectBitmap(nullptr);
    int done = write ? SetDIBits(m_dc.get(), m_bitmap.get(), 0, rows, bits, info, DIB_RGB_COLORS)
                     : GetDIBits(m_dc.get(), m_bitmap.get(), 0, rows, bits,
                                 const_cast<BITMAPINFO*>(info), DIB_RGB_COLORS);
    selectBitmap(m_bitmap.get());
    return std::max(done, 0);
}

int HImage::setDIBits(const BITMAPINFO* info, const void* bits, unsigned rows)
{
    return transferBits(true, info, const_cast<void*>(bits), rows);
}

int HImage::lockPixels()
{
    releasePixels();
    if (!hasPixels(m_width, m_height)) {
        return 0;
    }
    size_t count = static_cast<size_t>(m_width) * static_cast<size_t>(m_height);
    m_pixels.reset(new (std::nothrow) uint32_t[count]());
    if (m_pixels == nullptr) {
        return 0;
    }
    BITMAPINFO info = pixelCopyInfo(m_width, m_height);
    return transferBits(false, &info, m_pixels.get(), static_cast<unsigned>(m_height));
}

bool HImage::commitPixels()
{
    if (m_pixels == nullptr) {
        return false;
    }
    BITMAPINFO info = pixelCopyInfo(m_width, m_height);
    return transferBits(true, &info, m_pixels.get(), static_cast<unsigned>(m_height)) > 0;
}

bool HImage::resize(int width, int height)
{
    setSize(width, height);
    releasePixels();
    deleteMask();
    if (!m_dc) {
        create(nullptr);
        return static_cast<bool>(m_bitmap);
    }
    // A memory context makes bitmaps like the one selected into it: ours, not its own 1 x 1
    // monochrome one, so the new bitmap is made before the old one goes. Without one of ours
    // the screen is the model.
    HGdiObject<HBITMAP> bitmap;
    if (m_bitmap) {
        bitmap.reset(CreateCompatibleBitmap(m_dc.get(), width, height));
    } else {
        HWindowDC screen(nullptr);
        bitmap.reset(CreateCompatibleBitmap(screen.get(), width, height));
    }
    if (!bitmap) {
        HLOG_INFO("resize:error");
    }
    selectBitmap(bitmap.get());
    m_bitmap = std::move(bitmap);
    return static_cast<bool>(m_bitmap);
}

// Selects bitmap (none: the context's own) into the memory context, remembering the
// context's own bitmap the first time one of ours goes in.
void HImage::selectBitmap(HBITMAP bitmap)
{
    HGDIOBJ previous = SelectObject(m_dc.get(), bitmap != nullptr ? bitmap : m_initialBitmap);
    if (m_initialBitmap == nullptr && bitmap != nullptr) {
        m_initialBitmap = previous;
    }
}

bool HImage::fill(const HColor& color)
{
    deleteMask();
    if (!m_dc || !m_bitmap) {
        return false;
    }
    HGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, color.getColorRef()));
    HGdiObject<HBRUSH> brush(CreateSolidBrush(color.getColorRef()));
    HSelectObject selectPen(m_dc.get(), pen.get());
    HSelectObject selectBrush(m_dc.get(), brush.get());
    return Rectangle(m_dc.get(), 0, 0, m_width, m_height) != FALSE;
}

bool HImage::setSprite(int x, int y)
{
    if (!m_dc || !m_bitmap) {
        return false;
    }
    COLORREF pixel = GetPixel(m_dc.get(), x, y);
    HColor color = HColor::BLACK;
    if (pixel == CLR_INVALID) {
        HLOG_INFO("setSprite:範囲外の色指定");
    } else {
        color = HColor(GetRValue(pixel), GetGValue(pixel), GetBValue(pixel));
    }
    return setSprite(color);
}

// The mask is white where the image is transparent and black elsewhere; the transparent
// pixels of the image itself become black. drawToDC then ANDs the mask and ORs the image.
bool HImage::setSprite(const HColor& color)
{
    m_transparentColor = color;
    deleteMask();
    if (!m_dc || !m_bitmap) {
        return false;
    }
    HDC dc = m_dc.get();
    HGdiObject<HBITMAP> mono(CreateBitmap(m_width, m_height, 1, 1, nullptr));
    HMemoryDC monoDC(CreateCompatibleDC(dc));
    HGdiObject<HBITMAP> inverse(CreateCompatibleBitmap(dc, m_width, m_height));
    HMemoryDC inverseDC(CreateCompatibleDC(dc));
    HGdiObject<HBITMAP> mask(CreateCompatibleBitmap(dc, m_width, m_height));
    HMemoryDC maskDC(CreateCompatibleDC(dc));
    if (!mono || !monoDC || !inverse || !inverseDC || !mask || !maskDC) {
        return false;
    }
    {
        HSelectObject selectMono(monoDC.get(), mono.get());
        HSelectObject selectInverse(inverseDC.get(), inverse.get());
        // Colour to monochrome: pixels of the background colour become 1, all others 0.
        COLORREF oldBackground = SetBkColor(dc, color.getColorRef());
        BitBlt(monoDC.get(), 0, 0, m_width, m_height, dc, 0, 0, SRCCOPY);
        SetBkColor(dc, oldBackground);
        // Monochrome to colour: 1 becomes the background colour (white), 0 the text colour.
        SetBkColor(inverseDC.get(), RGB(255, 255, 255));
        SetTextColor(inverseDC.get(), RGB(0, 0, 0));
        BitBlt(inverseDC.get(), 0, 0, m_width, m_height, monoDC.get(), 0, 0, NOTSRCCOPY);
        BitBlt(dc, 0, 0, m_width, m_height, inverseDC.get(), 0, 0, SRCAND);
        HGDIOBJ maskInitial = SelectObject(maskDC.get(), mask.get());
        SetBkColor(maskDC.get(), RGB(255, 255, 255));
        SetTextColor(maskDC.get(), RGB(0, 0, 0));
        if (!BitBlt(maskDC.get(), 0, 0, m_width, m_height, monoDC.get(), 0, 0, SRCCOPY)) {
            SelectObject(maskDC.get(), maskInitial);
            return false;
        }
        m_maskInitialBitmap = maskInitial;
    }
    m_maskBitmap = std::move(mask);
    m_maskDC.reset(maskDC.release());
    return true;
}

bool HImage::draw(HImage* target, int x, int y)
{
    return draw(target, x, y, m_width, m_height, 0, 0);
}

// GDI to GDI is a block copy. GDI to Direct3D (or to a memory image) copies pixels: the source
// rows are bottom-up, pixels of the target's transparent colour are skipped and the others get
// alpha 255.
bool HImage::draw(HImage* target, int x, int y, int w, int h, int sx, int sy)
{
    if (target == nullptr) {
        return false;
    }
    if (target->getType() != TYPE_GDI) {
        return copyToDirectX(target, x, y, w, h, sx, sy);
    }
    return drawToDC(target->getDC(), x, y, w, h, sx, sy);
}

namespace {

// The destination rectangle [left, right) x [top, bottom) a copy may reach.
struct Limits {
    int64_t left, top, right, bottom;
};

// The copy of w x h pixels from (sx, sy) of a source of sourceWidth x sourceHeight to (x, y),
// cut to the source and to the limits. 64-bit arithmetic: the inputs are any int the caller
// passes.
bool clip(int64_t sourceWidth, int64_t sourceHeight, const Limits& limits, int x, int y, int w,
          int h, int sx, int sy, HImage::CopyArea* area)
{
    int64_t left = std::max<int64_t>({x, limits.left, int64_t{x} - sx});
    int64_t top = std::max<int64_t>({y, limits.top, int64_t{y} - sy});
    int64_t right = std::min<int64_t>({int64_t{x} + w, limits.right, sourceWidth - sx + x});
    int64_t bottom = std::min<int64_t>({int64_t{y} + h, limits.bottom, sourceHeight - sy + y});
    if (left >= right || top >= bottom) {
        return false;
    }
    area->x = static_cast<int>(left);
    area->y = static_cast<int>(top);
    area->sx = static_cast<int>(sx + (left - x));
    area->sy = static_cast<int>(sy + (top - y));
    area->width = static_cast<int>(right - left);
    area->height = static_cast<int>(bottom - top);
    return true;
}

}  // namespace

bool HImage::clipSource(const HImage& source, int x, int y, int w, int h, int sx, int sy,
                        CopyArea* area)
{
    const Limits anywhere = {INT64_MIN, INT64_MIN, INT64_MAX, INT64_MAX};
    return clip(source.m_width, source.m_height, anywhere, x, y, w, h, sx, sy, area);
}

bool HImage::clipCopy(const HImage& source, const HImage& target, int x, int y, int w, int h,
                      int sx, int sy, CopyArea* area)
{
    const Limits inside = {0, 0, target.m_width, target.m_height};
    return clip(source.m_width, source.m_height, inside, x, y, w, h, sx, sy, area);
}

bool HImage::copyToDirectX(HImage* target, int x, int y, int w, int h, int sx, int sy)
{
    const uint32_t* source = getPixels();
    uint32_t* destination = target->getPixels();
    if (source == nullptr || destination == nullptr) {
        return false;
    }
    CopyArea area;
    if (!clipCopy(*this, *target, x, y, w, h, sx, sy, &area)) {
        return true;
    }
    size_t targetRow = static_cast<size_t>(target->getStride() / 4);
    uint32_t transparent = target->getTransparentColor().getDIBColor();
    for (int row = 0; row < area.height; ++row) {
        const uint32_t* from = source + static_cast<size_t>(m_height - 1 - (area.sy + row)) * m_width + area.sx;
        uint32_t* to = destination + static_cast<size_t>(area.y + row) * targetRow + area.x;
        for (int column = 0; column < area.width; ++column) {
            uint32_t pixel = from[column] & 0x00FFFFFF;
            if (pixel != transparent) {
                to[column] = pixel | 0xFF000000;
            }
        }
    }
    return true;
}

bool HImage::drawToDC(HDC dc, int x, int y, int w, int h, int sx, int sy)
{
    if (dc == nullptr || !m_dc) {
        return false;
    }
    if (m_maskDC) {
        if (!BitBlt(dc, x, y, w, h, m_maskDC.get(), sx, sy, SRCAND)) {
            return false;
        }
        return BitBlt(dc, x, y, w, h, m_dc.get(), sx, sy, SRCPAINT) != FALSE;
    }
    return BitBlt(dc, x, y, w, h, m_dc.get(), sx, sy, SRCCOPY) != FALSE;
}

bool HImage::stretchDraw(HImage* target)
{
    if (target == nullptr || target->getDC() == nullptr || target->getWidth() == 0
        || target->getHeight() == 0 || m_width == 0 || m_height == 0 || !m_dc) {
        return false;
    }
    HDC dc = target->getDC();
    int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    bool done = StretchBlt(dc, 0, 0, target->getWidth(), target->getHeight(), m_dc.get(), 0, 0,
                           m_width, m_height, SRCCOPY) != FALSE;
    if (oldMode != 0) {
        SetStretchBltMode(dc, oldMode);
    }
    return done;
}

bool HImage::draw(HGraphics* graphics, int x, int y, int w, int h, int sx, int sy)
{
    if (graphics == nullptr || graphics->getType() != HGraphics::TYPE_GDI) {
        return false;
    }
    return drawToDC(static_cast<HDC>(graphics->getDrawingHandle()), x, y, w, h, sx, sy);
}

uint32_t* HImage::getPixels()
{
    if (m_pixels == nullptr) {
        lockPixels();
    }
    return m_pixels.get();
}

int HImage::getStride()
{
    return std::max(m_width, 0) * 4;
}
