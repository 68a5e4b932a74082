#include "format/skin_format.h"

#include <gtest/gtest.h>

#include <cstring>

namespace lumiq {
namespace {

std::array<std::uint8_t, 16> Field(const char* text, std::size_t n) {
    std::array<std::uint8_t, 16> f{};
    std::memcpy(f.data(), text, n);
    return f;
}

TEST(NameMatch, IgnoresLetterCaseOnly) {
    auto f = Field("Setup Wizard", 12);
    EXPECT_TRUE(NameMatches("Setup Wizard", f.data()));
    EXPECT_TRUE(NameMatches("SETUP wizard", f.data()));
    EXPECT_FALSE(NameMatches("Setup Wizard ", f.data()));
    EXPECT_FALSE(NameMatches("Setup", f.data()));
    // Only A-Z fold: '[' and '{' are 0x20 apart like letters but differ.
    auto g = Field("a[", 2);
    EXPECT_FALSE(NameMatches("a{", g.data()));
    EXPECT_FALSE(NameMatches("A{", g.data()));
}

TEST(NameMatch, FullSixteenCharactersAndLonger) {
    auto f = Field("ABCDEFGHIJKLMNOP", 16);  // no terminator in the field
    EXPECT_EQ(StoredName(f.data()), "ABCDEFGHIJKLMNOP");
    EXPECT_TRUE(NameMatches("abcdefghijklmnop", f.data()));
    EXPECT_FALSE(NameMatches("ABCDEFGHIJKLMNOPQ", f.data()));
}

TEST(NameMatch, StoredNameEndsAtFirstZero) {
    auto f = Field("Ok\0junk", 7);
    EXPECT_EQ(StoredName(f.data()), "Ok");
    EXPECT_TRUE(NameMatches("OK", f.data()));
    auto empty = Field("", 0);
    EXPECT_TRUE(NameMatches("", empty.data()));
}

TEST(EscapeName, KeepsLettersAndDigitsEscapesTheRest) {
    EXPECT_EQ(EscapeName("Setup Wizard"), "Setup$32Wizard");
    EXPECT_EQ(EscapeName("v1.2"), "v1$462");
    EXPECT_EQ(EscapeName("a-b_c$"), "a$45b$95c$36");
    EXPECT_EQ(EscapeName("\xC0\xFF"), "$192$255");  // bytes, not signed chars
    EXPECT_EQ(EscapeName(""), "");
}

TEST(TempFileName, JoinsEscapedPartsInTheFolder) {
    EXPECT_EQ(TempFileName("C:\\Setup\\", "Blue Sky", "Main", "Records"),
              "C:\\Setup\\Blue$32Sky-Main-Records.tmp");
    EXPECT_EQ(TempFileName("", "s", "w.x", "Bitmap"), "s-w$46x-Bitmap.tmp");
}

TEST(SwapRedBlue, ExchangesOuterBytesKeepsGreen) {
    EXPECT_EQ(SwapRedBlue(0x00112233u), 0x00332211u);
    EXPECT_EQ(SwapRedBlue(0x00FF0000u), 0x000000FFu);
    EXPECT_EQ(SwapRedBlue(0x0000FF00u), 0x0000FF00u);
    EXPECT_EQ(SwapRedBlue(0xAB123456u), 0x00563412u);  // the top byte is dropped
    for (std::uint32_t c : {0x0u, 0x123456u, 0xFFFFFFu}) EXPECT_EQ(SwapRedBlue(SwapRedBlue(c)), c);
}

TEST(WindowEntry, ParsesFieldsWithTheirSignedness) {
    Block64 raw{};
    std::memcpy(raw.data(), "Main", 4);
    raw[16] = 3;                                     // K
    raw[20] = 0x34, raw[21] = 0x12;                  // bitmap offset
    raw[24] = 0x56, raw[25] = 0x34, raw[26] = 0x12;  // colour
    raw[32] = 1, raw[34] = 2, raw[36] = 0xFF, raw[37] = 0xFF, raw[38] = 4;
    raw[40] = 0xFE, raw[41] = 0xFF;  // -2
    raw[42] = 0x10, raw[43] = 0x80;  // -32752
    WindowEntry e = WindowEntry::Parse(raw);
    EXPECT_EQ(e.name, "Main");
    EXPECT_EQ(e.controlCount, 3u);
    EXPECT_EQ(e.bitmapOffset, 0x1234u);
    EXPECT_EQ(e.transparentColour, 0x123456u);
    EXPECT_EQ(e.imageX, 1);
    EXPECT_EQ(e.imageY, 2);
    EXPECT_EQ(e.imageWidth, 65535);
    EXPECT_EQ(e.imageHeight, 4);
    EXPECT_EQ(e.width, -2);
    EXPECT_EQ(e.height, -32752);
    EXPECT_EQ(e.raw, raw);
}

}  // namespace
}  // namespace lumiq
