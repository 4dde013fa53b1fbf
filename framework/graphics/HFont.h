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

    const std::string& getName() const { return m_name; }
    uint32_t getStyle() const { return m_style; }
    int getSize() const { return m_size; }

private:
    HGdiObject<HFONT> m_handle;
    std::string m_name;
    uint32_t m_style;
    int m_size;  // points
};
