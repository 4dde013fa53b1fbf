#include "framework/HText.h"

#include <climits>

#include <gtest/gtest.h>

TEST(TextToInteger, ReadsEveryDigitAndSkipsEverythingElse)
{
    EXPECT_EQ(HText::toInt("123"), 123);
    EXPECT_EQ(HText::toInt("1a2"), 12);
    EXPECT_EQ(HText::toInt(" 0 4 "), 4);
    EXPECT_EQ(HText::toInt("abc"), 0);
    EXPECT_EQ(HText::toInt(""), 0);
    EXPECT_EQ(HText::toInt(nullptr), 0);
}

TEST(TextToInteger, OnlyALeadingMinusNegates)
{
    EXPECT_EQ(HText::toInt("-15"), -15);
    EXPECT_EQ(HText::toInt("1-5"), 15);
    EXPECT_EQ(HText::toInt(" -5"), 5);
    EXPECT_EQ(HText::toInt("--5"), -5);
    EXPECT_EQ(HText::toInt("-"), 0);
}

TEST(TextToInteger, LongDigitStringsWrapAroundModulo2To32)
{
    EXPECT_EQ(HText::toInt("2147483647"), INT_MAX);
    EXPECT_EQ(HText::toInt("2147483648"), INT_MIN);
    EXPECT_EQ(HText::toInt("4294967296"), 0);
    EXPECT_EQ(HText::toInt("4294967297"), 1);
    EXPECT_EQ(HText::toInt("-2147483648"), INT_MIN);
    // 10^20 mod 2^32 = 1661992960
    EXPECT_EQ(HText::toInt("100000000000000000000"), 1661992960);
    EXPECT_EQ(HText::toInt(std::string(5000, '9')), HText::toInt(std::string(5000, '9')));
}

TEST(ShiftJisScan, PairsALeadByteOnlyWithAValidTrailByte)
{
    const char so[] = "\x83\x5C";  // a katakana whose second byte is a backslash
    EXPECT_TRUE(HText::isDoubleByte(so, 2, 0));
    EXPECT_FALSE(HText::isDoubleByte(so, 1, 0));  // the trail byte is beyond the text
    EXPECT_FALSE(HText::isDoubleByte("\x83\x20", 2, 0));
    EXPECT_FALSE(HText::isDoubleByte("\xA0\x5C", 2, 0));
    EXPECT_TRUE(HText::isDoubleByte("\xEF\xFC", 2, 0));
    EXPECT_FALSE(HText::isDoubleByte("\xF0\x40", 2, 0));
    EXPECT_FALSE(HText::isDoubleByte("\x81\x7F", 2, 0));
}

TEST(TextFormat, AddressesPrintAllTheirDigitsWithoutLeadingZeros)
{
    EXPECT_EQ(HText::address(reinterpret_cast<void*>(uintptr_t{0xA1B2C0})), "A1B2C0");
    if (sizeof(void*) == 8) {
        EXPECT_EQ(HText::address(reinterpret_cast<void*>(uintptr_t{0x7FF6A1B2C3D4})), "7FF6A1B2C3D4");
    }
    std::string longText = HText::format("%s", std::string(3000, 'x').c_str());
    EXPECT_EQ(longText.size(), 3000u);
}
