#include "framework/graphics/HFont.h"

#include <gtest/gtest.h>

namespace {

LOGFONTA describe(HFont& font)
{
    LOGFONTA description = {};
    GetObjectA(font.getHandle(), sizeof(description), &description);
    return description;
}

}  // namespace

TEST(HFont, StyleFlagsGiveWeightItalicUnderlineAndStrikeOutAndLongNamesAreCut)
{
    struct Case {
        int style;
        LONG weight;
        bool italic, underline, strikeOut;
    };
    const Case cases[] = {
        {HFont::STYLE_BOLD | HFont::STYLE_ITALIC, FW_BOLD, true, false, false},
        {HFont::STYLE_PLAIN, FW_DONTCARE, false, false, false},
        {HFont::STYLE_UNDERLINE | HFont::STYLE_STRIKEOUT, FW_DONTCARE, false, true, true},
    };
    for (const Case& c : cases) {
        HFont font("ＭＳ ゴシック", c.style, 12);
        LOGFONTA description = describe(font);
        EXPECT_EQ(description.lfWeight, c.weight) << c.style;
        EXPECT_EQ(description.lfItalic != 0, c.italic) << c.style;
        EXPECT_EQ(description.lfUnderline != 0, c.underline) << c.style;
        EXPECT_EQ(description.lfStrikeOut != 0, c.strikeOut) << c.style;
        EXPECT_EQ(description.lfCharSet, SHIFTJIS_CHARSET);
        EXPECT_STREQ(description.lfFaceName, "ＭＳ ゴシック");
    }

    // 15 double-byte characters and one more: 31 bytes fit, the 16th character does not.
    HFont font("ああああああああああああああああ", 0, 9);
    ASSERT_NE(font.getHandle(), nullptr);
    EXPECT_EQ(std::string(describe(font).lfFaceName), "あああああああああああああああ");
}

TEST(HFont, HeightFollowsTheDevicesResolutionAndTheHandleIsMadeOnce)
{
    HDC screen = GetDC(nullptr);
    int perInch = GetDeviceCaps(screen, LOGPIXELSY);
    HFont font("ＭＳ ゴシック", 0, 13);
    HFONT handle = font.getHandle(screen);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(font.getHandle(), handle);
    LOGFONTA description = describe(font);
    EXPECT_EQ(description.lfHeight, -MulDiv(13, perInch, 72));
}

