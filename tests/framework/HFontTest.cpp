#include "framework/HFont.h"

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
    HFont boldItalic("ＭＳ ゴシック", HFont::STYLE_BOLD | HFont::STYLE_ITALIC, 12);
    LOGFONTA a = describe(boldItalic);
    EXPECT_EQ(a.lfWeight, 700);
    EXPECT_TRUE(a.lfItalic);
    EXPECT_FALSE(a.lfUnderline);
    EXPECT_FALSE(a.lfStrikeOut);
    EXPECT_EQ(a.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_STREQ(a.lfFaceName, "ＭＳ ゴシック");

    HFont plain("ＭＳ ゴシック", HFont::STYLE_PLAIN, 9);
    LOGFONTA b = describe(plain);
    EXPECT_EQ(b.lfWeight, FW_DONTCARE);
    EXPECT_FALSE(b.lfItalic);

    HFont lined("Arial", HFont::STYLE_UNDERLINE | HFont::STYLE_STRIKEOUT, 10);
    LOGFONTA c = describe(lined);
    EXPECT_TRUE(c.lfUnderline);
    EXPECT_TRUE(c.lfStrikeOut);
    EXPECT_EQ(c.lfWeight, FW_DONTCARE);

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

