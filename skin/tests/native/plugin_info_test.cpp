#include "format/plugin_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "format/bytes.h"

namespace lumiq {
namespace {

std::string TextAt(const std::vector<std::uint8_t>& r, std::size_t off, std::size_t width) {
    std::string s(reinterpret_cast<const char*>(&r[off]), width);
    return s.substr(0, s.find('\0'));
}

TEST(PluginInfo, OldHostGetsAnUntouchedRecord) {
    std::vector<std::uint8_t> r(info::kSize, 0xCC);
    WriteU32(r.data(), 0xFFFF);
    auto before = r;
    EXPECT_FALSE(FillPluginInfo(r.data(), 0x10001234));
    EXPECT_EQ(r, before);
}

TEST(PluginInfo, FieldsAtTheirOffsets) {
    std::vector<std::uint8_t> r(info::kSize, 0);
    WriteU32(r.data(), 0x10000);
    r[4] = r[534] = 0xAA;  // written as zero, whatever the host left there
    ASSERT_TRUE(FillPluginInfo(r.data(), 0x6A001234));
    EXPECT_EQ(ReadU32(&r[0]), 0x10000u);
    EXPECT_EQ(ReadU32(&r[4]), 0u);
    EXPECT_EQ(ReadU32(&r[8]), 0x20000u);
    EXPECT_EQ(TextAt(r, 12, 261), "Lumiq");
    EXPECT_EQ(TextAt(r, 273, 261), kPluginAuthor);
    EXPECT_EQ(r[534], 0);
    EXPECT_EQ(ReadU32(&r[535]), 0x10000u);
    EXPECT_EQ(TextAt(r, 539, 261), "Dorvesk");
    EXPECT_EQ(TextAt(r, 800, 4097), "Extension for showing a skinnable user interface");
    EXPECT_EQ(TextAt(r, 4897, 261), kPluginCopyright);
    EXPECT_EQ(ReadU32(&r[5158]), 0x6A001234u);
    EXPECT_EQ(r.size(), 5162u);
}

TEST(PluginInfo, TextsGoWithoutTerminator) {
    // A host that does not zero its record sees exactly the text bytes change.
    std::vector<std::uint8_t> r(info::kSize, 0xCC);
    WriteU32(r.data(), 0x20000);
    ASSERT_TRUE(FillPluginInfo(r.data(), 0));
    EXPECT_EQ(std::memcmp(&r[12], "Lumiq", 5), 0);
    EXPECT_EQ(r[12 + 5], 0xCC);
    EXPECT_EQ(r[539 + 7], 0xCC);
}

TEST(HostInfo, ReadsContextServiceAndEvent) {
    std::array<std::uint8_t, kHostInfoSize> h{};
    WriteU32(&h[8], 0xC0FFEE);
    WriteU32(&h[277], 0x401000);
    WriteU32(&h[281], 0x402000);
    HostInfo info = ParseHostInfo(h);
    EXPECT_EQ(info.context, 0xC0FFEEu);
    EXPECT_EQ(info.service, 0x401000u);
    EXPECT_EQ(info.event, 0x402000u);
}

TEST(SkinInfo, Layout) {
    std::uint8_t b[kSkinInfoSize];
    std::memset(b, 0xCC, sizeof b);
    FillSkinInfo(b, 0x11223344, 0x55667788);
    const std::uint8_t want[] = {0, 0, 1, 0, 0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55};
    EXPECT_EQ(std::memcmp(b, want, sizeof want), 0);
}

TEST(NamedMessages, ComparedExactly) {
    EXPECT_EQ(ClassifyMessage("CM_LUMIQINFO"), NamedMessage::LumiqInfo);
    EXPECT_EQ(ClassifyMessage("CM_ADDCONTROLRGN"), NamedMessage::AddControlRgn);
    EXPECT_EQ(ClassifyMessage("CM_PAINTSKINBKGND"), NamedMessage::PaintSkinBkgnd);
    EXPECT_EQ(ClassifyMessage("cm_lumiqinfo"), NamedMessage::Other);
    EXPECT_EQ(ClassifyMessage("CM_LUMIQINFO "), NamedMessage::Other);
    EXPECT_EQ(ClassifyMessage(""), NamedMessage::Other);
    EXPECT_EQ(ClassifyMessage(nullptr), NamedMessage::Other);
}

// A host that writes the whole expansion including its terminator, the way
// the length it reports says it will.
struct ExpandingHost {
    std::string expansion;
    std::vector<std::string> inputs;
    int calls = 0;
    std::int32_t operator()(const char* in, char* out) {
        ++calls;
        inputs.emplace_back(in);
        if (out) std::memcpy(out, expansion.c_str(), expansion.size() + 1);
        return static_cast<std::int32_t>(expansion.size() + 1);
    }
};

TEST(ExpandHostText, BufferHoldsTheWholeReportedLength) {
    // Run under AddressSanitizer this also proves the host's terminator fits.
    ExpandingHost host{"C:\\Temp\\Setup\\", {}, 0};
    HostService service = [&](const char* in, char* out) { return host(in, out); };
    EXPECT_EQ(ExpandHostText(service, "%Presetup%\\"), "C:\\Temp\\Setup\\");
    EXPECT_EQ(host.calls, 2);
    EXPECT_EQ(host.inputs, (std::vector<std::string>{"%Presetup%\\", "%Presetup%\\"}));
}

TEST(ExpandHostText, TextEndsAtFirstZeroOrAtTheBuffer) {
    HostService embeddedZero = [](const char*, char* out) {
        if (out) std::memcpy(out, "ab\0cd", 6);
        return 6;
    };
    EXPECT_EQ(ExpandHostText(embeddedZero, "x"), "ab");
    HostService noTerminator = [](const char*, char* out) {
        if (out) std::memcpy(out, "abcd", 4);
        return 4;
    };
    EXPECT_EQ(ExpandHostText(noTerminator, "x"), "abcd");
}

TEST(ExpandHostText, UnusableLengthsGiveNothing) {
    int secondCalls = 0;
    auto reporting = [&](std::int32_t n) {
        return HostService([&secondCalls, n](const char*, char* out) {
            if (out) ++secondCalls;
            return n;
        });
    };
    EXPECT_EQ(ExpandHostText(reporting(0), "x"), "");
    EXPECT_EQ(ExpandHostText(reporting(-5), "x"), "");
    EXPECT_EQ(ExpandHostText(reporting(0x7FFFFFFF), "x"), "");
    EXPECT_EQ(secondCalls, 0);
    EXPECT_EQ(ExpandHostText(HostService{}, "x"), "");
    EXPECT_EQ(ExpandHostText(reporting(5), nullptr), "");
}

}  // namespace
}  // namespace lumiq
