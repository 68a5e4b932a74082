// The plug-in as a host sees it: Lumiq.dll loaded through the test host.
#include <gtest/gtest.h>

#include <cstring>

#include "format/bytes.h"
#include "format/plugin_info.h"
#include "host/test_host.h"
#include "tests/win32/win32_support.h"

namespace lumiq {
namespace {

using testing::ProgramFolder;
using testing::ScratchFolder;

class PluginInterface : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(host.Load(ProgramFolder() + "Lumiq.dll", &error)) << error;
    }

    bool InsideLibrary(std::uint32_t address) const {
        auto base = reinterpret_cast<std::uintptr_t>(host.Module());
        auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        return address >= base && address < base + nt->OptionalHeader.SizeOfImage;
    }

    ScratchFolder folder;
    TestHost host{folder.Path()};
};

TEST_F(PluginInterface, ExportsOnlyGetPluginInfoUndecorated) {
    auto* base = reinterpret_cast<const std::uint8_t*>(host.Module());
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    ASSERT_NE(dir.VirtualAddress, 0u);
    auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    std::vector<std::string> exported;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        exported.emplace_back(reinterpret_cast<const char*>(base + names[i]));
    }
    EXPECT_EQ(exported, std::vector<std::string>{"GetPluginInfo"});
}

TEST_F(PluginInterface, OlderHostGetsNothingNewerGetsEveryField) {
    std::vector<std::uint8_t> old = host.InfoRecord(0xFFFF);
    std::vector<std::uint8_t> untouched(info::kSize, 0);
    WriteU32(untouched.data(), 0xFFFF);
    EXPECT_EQ(old, untouched);

    std::vector<std::uint8_t> r = host.InfoRecord(0x10000);
    auto text = [&](std::size_t off, std::size_t width) {
        std::string s(reinterpret_cast<const char*>(&r[off]), width);
        return s.substr(0, s.find('\0'));
    };
    EXPECT_EQ(ReadU32(&r[0]), 0x10000u);
    EXPECT_EQ(ReadU32(&r[4]), 0u);
    EXPECT_EQ(ReadU32(&r[8]), 0x20000u);
    EXPECT_EQ(text(12, 261), "Lumiq");
    EXPECT_EQ(text(273, 261), kPluginAuthor);
    EXPECT_EQ(r[534], 0);
    EXPECT_EQ(ReadU32(&r[535]), 0x10000u);
    EXPECT_EQ(text(539, 261), "Dorvesk");
    EXPECT_EQ(text(800, 4097), "Extension for showing a skinnable user interface");
    EXPECT_EQ(text(4897, 261), kPluginCopyright);
    EXPECT_TRUE(InsideLibrary(ReadU32(&r[5158])));
}

TEST_F(PluginInterface, NamedMessagesAreComparedExactly) {
    const std::int32_t info = host.Callback(0, "CM_LUMIQINFO");
    EXPECT_TRUE(InsideLibrary(static_cast<std::uint32_t>(info)));
    EXPECT_EQ(host.Callback(0, "cm_lumiqinfo"), 0);
    EXPECT_EQ(host.Callback(0, "CM_LUMIQINFOX"), 0);
    EXPECT_EQ(host.Callback(7, "CM_LUMIQINFO"), info);  // any code
    EXPECT_EQ(host.Callback(0, nullptr), 0);
    EXPECT_EQ(host.Callback(0, "CM_SOMETHING"), 0);
    // A window without a handler: answered with 1 and nothing done.
    HWND plain = testing::CreateTopWindow();
    ControlPlacement p{0, 0, 0, 10, 10};
    EXPECT_EQ(host.Callback(0, "CM_ADDCONTROLRGN", plain, reinterpret_cast<LPARAM>(&p)), 1);
    EXPECT_EQ(testing::WindowRegion(plain), nullptr);
    EXPECT_EQ(host.Callback(0, "CM_PAINTSKINBKGND", plain, 0), 1);
    DestroyWindow(plain);
}

TEST_F(PluginInterface, CodeTwoAnnouncesTheSkinEntryPoints) {
    host.Announce();
    EXPECT_TRUE(host.Events().empty()) << "no event function is known before code 1";
    host.SendHostRecord();
    EXPECT_TRUE(host.Events().empty());
    host.Announce();
    ASSERT_EQ(host.Events().size(), 1u);
    const TestHost::Event& e = host.Events()[0];
    EXPECT_EQ(e.name, "EV_LUMIQINFO");
    EXPECT_EQ(e.context, host.Context());
    EXPECT_EQ(e.zero, 0);
    EXPECT_EQ(e.minusOne, -1);
    EXPECT_EQ(Address32(e.data), static_cast<std::uint32_t>(host.Callback(0, "CM_LUMIQINFO")));

    const auto* si = static_cast<const std::uint8_t*>(e.data);
    EXPECT_EQ(ReadU16(si), 0);
    EXPECT_EQ(ReadU16(si + 2), 1);
    EXPECT_TRUE(InsideLibrary(ReadU32(si + 4)));
    EXPECT_TRUE(InsideLibrary(ReadU32(si + 8)));
    EXPECT_NE(ReadU32(si + 4), ReadU32(si + 8));
}

}  // namespace
}  // namespace lumiq
