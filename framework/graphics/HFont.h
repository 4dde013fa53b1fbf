#pragma once

#include <cstdint>
#include <string>

#include "framework/base/HObject.h"
#include "framework/base/HWin32.h"
#include "framework/graphics/HGdiObject.h"

// A font by face name, style and point size; its GDI handle is made on first use (Shift-JIS
// character set) and deleted with the object.
class HFont : public HObject {
public:
    enum Style : uint32_t {
        STYLE_PLAIN = 0,
        STYLE_BOLD = 1,
        STYLE_ITALIC = 2,
        STYLE_UNDERLINE = 4,
        STYLE_STRIKEOUT = 8,
    };

    HFont(const std::string& name, uint32_t style, int size);

    // The handle, made once with the device context's vertical resolution (the screen's for
    // nullptr); nullptr if the platform refuses the font.
    HFONT getHandle(HDC dc = nullptr);
    // The handle for text drawn into an image, made once at 96 pixels per inch whatever the
    // display's scaling: images are laid out in pixels (panels, digit sheets), and the program
    // draws them pixel for pixel on a scaled display too.
    HFONT getImageHandle();
    static constexpr int IMAGE_PIXELS_PER_INCH = 96;

    const std::string& getName() const { return m_name; }
    uint32_t getStyle() const { return m_style; }
    int getSize() const { return m_size; }

private:
    HFONT makeHandle(int pixelsPerInch);

    HGdiObject<HFONT> m_handle;
    HGdiObject<HFONT> m_imageHandle;
    std::string m_name;
    uint32_t m_style;
    int m_size;  // points
};
