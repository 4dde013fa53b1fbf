#include "framework/base/HText.h"

#include <climits>

#include <gtest/gtest.h>

TEST(TextToInteger, ReadsEveryDigitAndOnlyALeadingMinusAndWrapsModulo2To32)
{
    struct Case {
        const char* text;
        int32_t value;
    };
    const Case cases[] = {
        {"123", 123}, {"1a2", 12}, {" 0 4 ", 4}, {"10", 10}, {"abc", 0}, {"", 0},
        {"-15", -15}, {"1-5", 15}, {" -5", 5}, {"--5", -5}, {"-", 0},
        {"2147483647", INT_MAX}, {"2147483648", INT_MIN}, {"4294967297", 1},
        {"-2147483648", INT_MIN},
        {"100000000000000000000", 1661992960},  // 10^20 mod 2^32
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HText::toInt(c.text), c.value) << c.text;
    }
    EXPECT_EQ(HText::toInt(nullptr), 0);
}

TEST(ShiftJisScan, PairsALeadByteOnlyWithAValidTrailByte)
{
    // The edges of both byte ranges, each with a partner from inside the other range.
    struct Case {
        uint8_t byte;
        bool lead;
        bool trail;
    };
    const Case cases[] = {{0x3F, false, false}, {0x40, false, true}, {0x7E, false, true},
                          {0x7F, false, false}, {0x80, false, true}, {0x81, true, true},
                          {0x9F, true, true},   {0xA0, false, true}, {0xDF, false, true},
                          {0xE0, true, true},   {0xEF, true, true},  {0xF0, false, true},
                          {0xFC, false, true},  {0xFD, false, false}};
    for (const Case& c : cases) {
        const char asLead[] = {static_cast<char>(c.byte), '\x5C'};
        const char asTrail[] = {'\x83', static_cast<char>(c.byte)};
        EXPECT_EQ(HText::isDoubleByte(asLead, 2, 0), c.lead) << int(c.byte);
        EXPECT_EQ(HText::isDoubleByte(asTrail, 2, 0), c.trail) << int(c.byte);
    }
    EXPECT_FALSE(HText::isDoubleByte("\x83\x5C", 1, 0));  // the trail byte is beyond the text
}

TEST(ShiftJisScan, CutsAtTheLimitWithoutSplittingACharacter)
{
    struct Case {
        const char* text;
        size_t limit;
        const char* cut;
    };
    const Case cases[] = {{"abc", 3, "abc"},  {"abc", 2, "ab"},      {"abc", 0, ""},
                          {"aソ", 3, "aソ"},  {"aソ", 2, "a"},       {"ソa", 1, ""},
                          {"a\x83", 2, "a\x83"}};  // a lead byte alone at the end is one byte
    for (const Case& c : cases) {
        EXPECT_EQ(HText::cut(c.text, c.limit), c.cut) << c.text << " " << c.limit;
    }
}

// As Windows compares names: a-z only, and never the trail byte of a double-byte character.
TEST(ShiftJisScan, UpperCasesOnlyAsciiLettersOutsideDoubleByteCharacters)
{
    const char* const cases[][2] = {
        {"c:\\games\\az@[`{", "C:\\GAMES\\AZ@[`{"},
        {"\x83\x61z\x83\x7A", "\x83\x61Z\x83\x7A"},  // trail bytes 'a' and 'z' stay
        {"\xB1q", "\xB1Q"},                           // half-width katakana is one byte
        {"q\x83", "Q\x83"}};                          // a lead byte alone at the end
    for (const auto& c : cases) {
        EXPECT_EQ(HText::asciiUpper(c[0]), c[1]) << c[0];
    }
}

TEST(TextFormat, FormatsTextsOfAnyLengthAndAddressesWithAllTheirDigits)
{
    for (size_t length : {1023u, 1024u, 1025u, 3000u}) {
        EXPECT_EQ(HText::format("%s", std::string(length, 'x').c_str()), std::string(length, 'x'));
    }
    EXPECT_EQ(HText::address(reinterpret_cast<void*>(uintptr_t{0xA1B2C0})), "A1B2C0");
    if (sizeof(void*) == 8) {
        EXPECT_EQ(HText::address(reinterpret_cast<void*>(uintptr_t{0x7FF6A1B2C3D4})), "7FF6A1B2C3D4");
    }
}
