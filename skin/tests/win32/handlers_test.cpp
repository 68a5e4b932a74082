// The handler classes and the plug-in core, linked in directly so their
// state can be inspected. These never share a window with Lumiq.dll.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstring>

#include "format/bytes.h"
#include "host/test_host.h"
#include "plugin/handlers.h"
#include "plugin/plugin.h"
#include "tests/common/sample_skins.h"
#include "tests/win32/win32_support.h"

namespace lumiq {
namespace {

using namespace lumiq::testing;

std::vector<std::pair<std::string, std::string>> g_warnings;

void RecordWarning(const char* caption, const char* text) {
    g_warnings.emplace_back(caption, text ? text : "");
}

WindowEntry EntryNamed(const char* name) {
    Block64 raw{};
    std::memcpy(raw.data(), name, std::strlen(name));
    return WindowEntry::Parse(raw);
}

class Handlers : public ::testing::Test {
  protected:
    void SetUp() override {
        g_warnings.clear();
        SetWarningSink(RecordWarning);
        window = CreateTopWindow();
    }
    void TearDown() override {
        handler.reset();
        if (IsWindow(window)) DestroyWindow(window);
        PumpMessages();
        SetWarningSink(nullptr);
    }
    void Make() {
        handler = TWinHandler::New(window, EntryNamed("Main"), 100, 70, nullptr, nullptr);
    }

    HWND window = nullptr;
    std::unique_ptr<TWinHandler> handler;
};

TEST_F(Handlers, FailedSubclassingWarnsAndTheRestCarriesOn) {
    HWND a = CreateChild(window, "BUTTON", "a", 0, 0, 0, 10, 10);
    HWND b = CreateChild(window, "BUTTON", "b", 0, 20, 0, 10, 10);
    Make();
    ASSERT_EQ(handler->Children().size(), 2u);
    DestroyWindow(a);
    handler->Activate(true);
    ASSERT_EQ(g_warnings.size(), 1u);
    EXPECT_EQ(g_warnings[0].first, "Handler error!");
    EXPECT_FALSE(g_warnings[0].second.empty());
    EXPECT_LE(g_warnings[0].second.size(), 255u);
    EXPECT_TRUE(handler->Hooked());
    EXPECT_FALSE(handler->Children()[0]->Hooked());
    EXPECT_TRUE(handler->Children()[1]->Hooked());
    EXPECT_EQ(TProcHandler::FromWindow(b), handler->Children()[1].get());
}

TEST_F(Handlers, GrandchildGetsASecondHandlerThatStaysInactive) {
    HWND panel = CreateChild(window, "STATIC", "", 0, 0, 0, 60, 40);
    HWND button = CreateChild(panel, "BUTTON", "b", 0, 5, 5, 20, 10);
    Make();
    // The window's walk reaches the grandchild too; so does the panel's.
    ASSERT_EQ(handler->Children().size(), 2u);
    TProcHandler* panelHandler = handler->Children()[0].get();
    TProcHandler* direct = handler->Children()[1].get();
    ASSERT_EQ(panelHandler->Window(), panel);
    ASSERT_EQ(panelHandler->Children().size(), 1u);
    TProcHandler* nested = panelHandler->Children()[0].get();
    EXPECT_EQ(nested->Window(), button);
    EXPECT_EQ(direct->Window(), button);
    EXPECT_EQ(nested->Parent(), panelHandler);
    EXPECT_EQ(nested->WindowHandler(), handler.get());

    handler->Activate(true);
    EXPECT_TRUE(nested->Hooked());
    EXPECT_FALSE(direct->Hooked());
    EXPECT_TRUE(g_warnings.empty());
    EXPECT_EQ(handler->FindHandler(button), nested);  // depth first
    EXPECT_EQ(TProcHandler::FromWindow(button), nested);
    EXPECT_EQ(handler->FindHandler(window), handler.get());
    EXPECT_EQ(handler->FindHandler(GetDesktopWindow()), nullptr);

    // Freeing the tree gives every window its own procedure back.
    handler.reset();
    EXPECT_EQ(GetPropA(button, kSelfProperty), nullptr);
    EXPECT_EQ(GetPropA(panel, kSelfProperty), nullptr);
    EXPECT_EQ(GetPropA(window, kSelfProperty), nullptr);
}

TEST_F(Handlers, ActivateLeavesChildrenAloneWhenNothingChanges) {
    CreateChild(window, "BUTTON", "a", 0, 0, 0, 10, 10);
    Make();
    handler->Activate(true);
    TProcHandler* child = handler->Children()[0].get();
    child->Activate(false);
    handler->Activate(true);
    EXPECT_FALSE(child->Hooked());
    handler->Activate(false);
    EXPECT_FALSE(handler->Hooked());
    handler->Activate(true);
    EXPECT_TRUE(child->Hooked());
}

TEST_F(Handlers, UnhookRestoresStylesButKeepsCurrentVisibility) {
    HWND edit = CreateChild(window, "EDIT", "", WS_BORDER, 0, 0, 50, 20, WS_EX_CLIENTEDGE);
    const LONG style = GetWindowLongA(edit, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(edit, GWL_EXSTYLE);
    EnableWindow(window, FALSE);
    const LONG windowStyle = GetWindowLongA(window, GWL_STYLE);
    Make();
    handler->Activate(true);
    // Exactly the masks: the window keeps only visible and disabled and
    // gains pop-up, clip siblings and clip children; a control loses border
    // and dialog frame, and its four edge styles.
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE),
              static_cast<LONG>((windowStyle & 0x18000000) | 0x86000000));
    EXPECT_NE(GetWindowLongA(window, GWL_STYLE) & WS_DISABLED, 0);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE), 0);
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE), (style & ~0x00C00000) | WS_CLIPCHILDREN);
    EXPECT_EQ(GetWindowLongA(edit, GWL_EXSTYLE), exStyle & ~0x00020301);
    ShowWindow(edit, SW_HIDE);
    handler->Activate(false);
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE), style & ~WS_VISIBLE);
    EXPECT_EQ(GetWindowLongA(edit, GWL_EXSTYLE), exStyle);
    EXPECT_EQ(WindowRegion(edit), nullptr);
}

TEST_F(Handlers, FrameDoubleClickBecomesAClientDoubleClick) {
    Make();
    handler->Activate(true);
    PumpMessages();
    EXPECT_EQ(SendMessageA(window, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(5, 5)), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, window, WM_LBUTTONDBLCLK, WM_LBUTTONDBLCLK, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_EQ(msg.lParam, 0);
}

TEST_F(Handlers, EditColoursComeFromControlsThatHaveABrush) {
    HWND edit = CreateChild(window, "EDIT", "", 0, 0, 0, 50, 20);
    HDC dc = GetDC(edit);
    const LRESULT plain = SendMessageA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(edit));
    Make();
    handler->Activate(true);
    // No brush yet: the window answers as it did before skinning.
    EXPECT_EQ(SendMessageA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(edit)),
              plain);

    TProcHandler* child = handler->FindHandler(edit);
    Block64 record{};
    WriteU32(&record[16], 0x112233);  // text, 0x00RRGGBB
    WriteU32(&record[20], 0x445566);  // background
    child->SetRecord(record);
    HBRUSH brush = CreateSolidBrush(RGB(0x44, 0x55, 0x66));
    child->SetGraphicsObject(brush);
    EXPECT_EQ(SendMessageA(window, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(edit)),
              reinterpret_cast<LRESULT>(brush));
    EXPECT_EQ(GetTextColor(dc), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(GetBkColor(dc), RGB(0x44, 0x55, 0x66));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    ReleaseDC(edit, dc);
}

TEST(SkinList, FindsTheLastHandlerWithExactlyThatName) {
    HWND a = CreateTopWindow(), b = CreateTopWindow(), c = CreateTopWindow();
    {
        TSkinList list;
        TWinHandler* first =
            list.Add(TWinHandler::New(a, EntryNamed("Main"), 1, 1, nullptr, nullptr));
        TWinHandler* second =
            list.Add(TWinHandler::New(b, EntryNamed("Main"), 1, 1, nullptr, nullptr));
        list.Add(TWinHandler::New(c, EntryNamed("Other"), 1, 1, nullptr, nullptr));
        EXPECT_NE(first, second);
        EXPECT_EQ(list.FindByName("Main"), second);
        EXPECT_EQ(list.FindByName("main"), nullptr);
        EXPECT_EQ(list.FindByName("Other")->Window(), c);
        EXPECT_EQ(list.Count(), 3u);
    }
    for (HWND w : {a, b, c}) DestroyWindow(w);
}

BOOL WINAPI FailingInit(const INITCOMMONCONTROLSEX*) {
    return FALSE;
}

TEST(Library, ProgressQueriesNeedTheExtendedInitialisation) {
    LibraryStart(nullptr);
    EXPECT_FALSE(State().progressQueries);
    LibraryStart(FailingInit);
    EXPECT_FALSE(State().progressQueries);
    LibraryStart(InitCommonControlsEx);
    EXPECT_TRUE(State().progressQueries);
    ASSERT_NE(State().skins, nullptr);
    EXPECT_EQ(ReadU16(SkinInfo() + 2), 1);
    LibraryEnd();
    EXPECT_EQ(State().skins, nullptr);
}

// The core's own SkinControl, to see the records it stores.
class CoreSkinControl : public ::testing::Test {
  protected:
    void SetUp() override {
        LibraryStart(InitCommonControlsEx);
        PluginCallback(1, nullptr,
                       reinterpret_cast<HWND>(const_cast<std::uint8_t*>(host.HostRecord())), 0);
        folder.Write("Blue Sky.lqs", PackDescription(kSampleDescription));
        window = CreateTopWindow();
        agree = CreateChild(window, "BUTTON", "Agree", BS_AUTOCHECKBOX, 5, 5, 60, 15);
        ASSERT_EQ(SkinWindow(window, "Blue Sky", "Setup Wizard", nullptr), 1);
        owner = State().skins->FindByName("Setup Wizard");
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override {
        LibraryEnd();
        DestroyWindow(window);
        PumpMessages();
        State().hostInfoSet = false;
    }
    std::string RecordName() const {
        return StoredName(owner->FindHandler(agree)->Record().data());
    }

    ScratchFolder folder;
    TestHost host{folder.Path()};
    HWND window = nullptr, agree = nullptr;
    TWinHandler* owner = nullptr;
};

TEST_F(CoreSkinControl, StoresTheRecordForEveryKind) {
    EXPECT_EQ(SkinControl(agree, 2, "Blue Sky", "Setup Wizard", "agree box", nullptr), 0);
    EXPECT_EQ(RecordName(), "Agree Box");
    EXPECT_TRUE(owner->FindHandler(agree)->Hooked());

    SkinControl(agree, 13, "Blue Sky", "Setup Wizard", "Title", nullptr);
    EXPECT_EQ(RecordName(), "Title");

    // Kinds 4 and 9 go on with an all-zero record, kind 1 stops.
    SkinControl(agree, 1, "Blue Sky", "Setup Wizard", "Back", nullptr);
    EXPECT_EQ(RecordName(), "Title");
    SkinControl(agree, 4, "Blue Sky", "Setup Wizard", "Back", nullptr);
    EXPECT_EQ(owner->FindHandler(agree)->Record(), Block64{});
    EXPECT_TRUE(owner->FindHandler(agree)->Hooked());
}

TEST_F(CoreSkinControl, SkinningTwiceAddsAnInactiveHandlerFoundFirst) {
    ASSERT_EQ(SkinWindow(window, "Blue Sky", "Setup Wizard", nullptr), 1);
    EXPECT_EQ(State().skins->Count(), 2u);
    TWinHandler* later = State().skins->FindByName("Setup Wizard");
    EXPECT_NE(later, owner);
    EXPECT_FALSE(later->Hooked());
    EXPECT_TRUE(owner->Hooked());
    EXPECT_EQ(TProcHandler::FromWindow(window), owner);
}

}  // namespace
}  // namespace lumiq
