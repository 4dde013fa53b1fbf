#include "framework/graphics/HFont.h"

#include "framework/base/HText.h"
#include "framework/graphics/HWindowDC.h"

namespace {

const int kBoldWeight = 700;
const int kPointsPerInch = 72;

}  // namespace

HFont::HFont(const std::string& name, uint32_t style, int size)
    : m_name(name), m_style(style), m_size(size)
{
    setClassName("HFont");
}

HFONT HFont::getHandle(HDC dc)
{
    if (m_handle) {
        return m_handle.get();
    }
    int pixelsPerInch = 0;
    if (dc != nullptr) {
        pixelsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
    } else {
        HWindowDC screen(nullptr);
        pixelsPerInch = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    }
    m_handle.reset(makeHandle(pixelsPerInch));
    return m_handle.get();
}

HFONT HFont::getImageHandle()
{
    if (!m_imageHandle) {
        m_imageHandle.reset(makeHandle(IMAGE_PIXELS_PER_INCH));
    }
    return m_imageHandle.get();
}

HFONT HFont::makeHandle(int pixelsPerInch)
{
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(m_size, pixelsPerInch, kPointsPerInch);
    font.lfWeight = (m_style & STYLE_BOLD) != 0 ? kBoldWeight : FW_DONTCARE;
    font.lfItalic = (m_style & STYLE_ITALIC) != 0;
    font.lfUnderline = (m_style & STYLE_UNDERLINE) != 0;
    font.lfStrikeOut = (m_style & STYLE_STRIKEOUT) != 0;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // The face name is cut to fit LOGFONT's 32 bytes without splitting a double-byte character.
    size_t length = 0;
    while (length < m_name.size() && length < LF_FACESIZE - 1) {
        size_t step = HText::isDoubleByte(m_name.data(), m_name.size(), length) ? 2 : 1;
        if (length + step > LF_FACESIZE - 1) {
            break;
        }
        length += step;
    }
    m_name.copy(font.lfFaceName, length);
    return CreateFontIndirectA(&font);
}
