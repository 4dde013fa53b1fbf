#pragma once

#include <cstdint>

// A colour value: red, green, blue and alpha, each clamped to 0..255 when made. Copied freely,
// so it is a plain value rather than a framework object.
class HColor {
public:
    constexpr HColor() : m_red(0), m_green(0), m_blue(0), m_alpha(255) {}
    constexpr HColor(int red, int green, int blue, int alpha = 255)
        : m_red(clamp(red)), m_green(clamp(green)), m_blue(clamp(blue)), m_alpha(clamp(alpha))
    {
    }

    constexpr int getRed() const { return m_red; }
    constexpr int getGreen() const { return m_green; }
    constexpr int getBlue() const { return m_blue; }
    constexpr int getAlpha() const { return m_alpha; }

    // The packings the platform calls take:
    // GDI COLORREF, red in the low byte.
    constexpr uint32_t getColorRef() const
    {
        return static_cast<uint32_t>(m_red) | static_cast<uint32_t>(m_green) << 8
               | static_cast<uint32_t>(m_blue) << 16;
    }
    // A 32-bit DIB pixel without alpha, blue in the low byte.
    constexpr uint32_t getDIBColor() const
    {
        return static_cast<uint32_t>(m_red) << 16 | static_cast<uint32_t>(m_green) << 8
               | static_cast<uint32_t>(m_blue);
    }
    // A Direct3D A8R8G8B8 pixel.
    constexpr uint32_t getARGB() const
    {
        return static_cast<uint32_t>(m_alpha) << 24 | getDIBColor();
    }

    constexpr bool operator==(const HColor& other) const
    {
        return m_red == other.m_red && m_green == other.m_green && m_blue == other.m_blue
               && m_alpha == other.m_alpha;
    }
    constexpr bool operator!=(const HColor& other) const { return !(*this == other); }

    static const HColor WHITE;       // 255, 255, 255
    static const HColor LIGHT_GRAY;  // 192, 192, 192
    static const HColor FACE_GRAY;   // 212, 208, 200, the face of dialog controls
    static const HColor BLACK;       // 0, 0, 0
    static const HColor RED;         // 255, 0, 0
    static const HColor GREEN;       // 0, 255, 0
    static const HColor BLUE;        // 0, 0, 255
    static const HColor YELLOW;      // 255, 255, 0

private:
    static constexpr uint8_t clamp(int value)
    {
        return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
    }

    uint8_t m_red;
    uint8_t m_green;
    uint8_t m_blue;
    uint8_t m_alpha;
};

inline constexpr HColor HColor::WHITE{255, 255, 255};
inline constexpr HColor HColor::LIGHT_GRAY{192, 192, 192};
inline constexpr HColor HColor::FACE_GRAY{212, 208, 200};
inline constexpr HColor HColor::BLACK{0, 0, 0};
inline constexpr HColor HColor::RED{255, 0, 0};
inline constexpr HColor HColor::GREEN{0, 255, 0};
inline constexpr HColor HColor::BLUE{0, 0, 255};
inline constexpr HColor HColor::YELLOW{255, 255, 0};
