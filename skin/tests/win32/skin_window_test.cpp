// SkinWindow and SkinControl through Lumiq.dll, on real windows.
#include <gtest/gtest.h>

#include "format/bmp.h"
#include "format/bytes.h"
#include "format/region_runs.h"
#include "format/skin_format.h"
#include "host/test_host.h"
#include "tests/common/sample_skins.h"
#include "tests/win32/win32_support.h"

namespace lumiq {
namespace {

using namespace lumiq::testing;

HWND g_paintedWindow = nullptr;
int g_paints = 0;
void WINAPI RecordPaint(HWND w, HDC) {
    g_paintedWindow = w;
    ++g_paints;
}

class SkinWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(host.Load(ProgramFolder() + "Lumiq.dll", &error)) << error;
        host.SendHostRecord();
        host.Announce();
        ASSERT_NE(host.SkinInfo(), nullptr);
        folder.Write("Blue Sky.lqs", PackDescription(kSampleDescription));
        window = CreateTopWindow();
        next = CreateChild(window, "BUTTON", "Next", BS_PUSHBUTTON, 5, 5, 30, 15);
        cancel = CreateChild(window, "BUTTON", "Cancel", BS_PUSHBUTTON, 40, 5, 30, 15);
        title = CreateChild(window, "STATIC", "Title", WS_BORDER, 5, 25, 30, 15, WS_EX_CLIENTEDGE);
        agree = CreateChild(window, "BUTTON", "Agree", BS_AUTOCHECKBOX, 40, 25, 30, 15);
        g_paints = 0;
        g_paintedWindow = nullptr;
    }

    void TearDown() override {
        if (IsWindow(window)) DestroyWindow(window);
        PumpMessages();
    }

    std::int32_t Skin(const char* name = "Setup Wizard", PaintCallback paint = nullptr) {
        return host.SkinWindow(window, "Blue Sky", name, paint);
    }

    ScratchFolder folder;
    TestHost host{folder.Path()};
    HWND window = nullptr, next = nullptr, cancel = nullptr, title = nullptr, agree = nullptr;
};

TEST_F(SkinWindowTest, EntryInAnotherLetterCaseSkinsTheWindow) {
    const RECT before = WindowRectOf(window);
    const int oldWidth = before.right - before.left, oldHeight = before.bottom - before.top;
    ASSERT_EQ(Skin("setup WIZARD"), 1);

    // Resized to 121 x 91 about its centre, the halves rounded toward zero.
    RECT after = WindowRectOf(window);
    EXPECT_EQ(after.right - after.left, 121);
    EXPECT_EQ(after.bottom - after.top, 91);
    EXPECT_EQ(after.left, before.left + (oldWidth - 121) / 2);
    EXPECT_EQ(after.top, before.top + (oldHeight - 91) / 2);

    // Caption, border and every extended style gone; visible stays.
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_EQ(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & (WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VISIBLE),
              WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VISIBLE);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE), 0);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 121) << "the frame is recomputed without the caption";
    EXPECT_EQ(client.bottom, 91);

    EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(after.left + 60, after.top + 45)),
              HTCAPTION);

    EXPECT_EQ(folder.Files(),
              (std::vector<std::string>{"Blue Sky.lqs", "Blue$32Sky-setup$32WIZARD-Bitmap.tmp",
                                        "Blue$32Sky-setup$32WIZARD-Records.tmp"}));
    EXPECT_EQ(host.ExpandRequests(), std::vector<std::string>{"%Presetup%\\"});
}

TEST_F(SkinWindowTest, RegionIsTheShapeCutFromTheBitmap) {
    ASSERT_EQ(Skin(), 1);
    HRGN actual = WindowRegion(window);
    ASSERT_NE(actual, nullptr);
    HRGN expected = RegionOf(RegionRuns(SampleImage(), 4, 2, kMagenta, 90, 120));
    EXPECT_TRUE(EqualRgn(actual, expected));
    EXPECT_FALSE(PtInRegion(actual, 0, 0));    // clipped corner
    EXPECT_TRUE(PtInRegion(actual, 60, 45));   // body
    EXPECT_FALSE(PtInRegion(actual, 50, 40));  // hole
    DeleteObject(actual);
    DeleteObject(expected);
}

TEST_F(SkinWindowTest, WindowWithoutBitmapGetsNoRegionButLosesItsFrame) {
    ASSERT_EQ(Skin("About Box"), 1);
    EXPECT_EQ(WindowRegion(window), nullptr);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_CAPTION | WS_BORDER), 0);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE), 0);
    RECT r = WindowRectOf(window);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 120);
    // Nothing of its own is painted, and nothing fails when asked to.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(host.Callback(0, "CM_PAINTSKINBKGND", title, 0), 1);
}

TEST_F(SkinWindowTest, WindowPaintsItsImageThenCallsTheHost) {
    ASSERT_EQ(Skin("Setup Wizard", RecordPaint), 1);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_GT(g_paints, 0);
    EXPECT_EQ(g_paintedWindow, window);
    HDC dc = GetDC(window);
    COLORREF pixel = GetPixel(dc, 60, 45);
    ReleaseDC(window, dc);
    PixelImage image = SampleImage();
    EXPECT_EQ(pixel, SwapRedBlue(image.pixels[(2 + 45) * image.width + 4 + 60]));
}

TEST_F(SkinWindowTest, ControlsGetRectangleRegionsAndLoseTheirEdges) {
    ASSERT_EQ(Skin(), 1);
    LONG style = GetWindowLongA(title, GWL_STYLE);
    EXPECT_EQ(style & WS_BORDER, 0);
    EXPECT_NE(style & WS_CLIPCHILDREN, 0);
    EXPECT_EQ(GetWindowLongA(title, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    HRGN r = WindowRegion(title);
    ASSERT_NE(r, nullptr);
    HRGN whole = CreateRectRgn(0, 0, 30, 15);
    EXPECT_TRUE(EqualRgn(r, whole));
    DeleteObject(r);
    DeleteObject(whole);
}

TEST_F(SkinWindowTest, SkinControlNeedsTheExactWindowName) {
    ASSERT_EQ(Skin("setup WIZARD"), 1);
    EXPECT_EQ(host.SkinControl(cancel, 0, "Blue Sky", "setup WIZARD", "Cancel"), 0);
    EXPECT_EQ(host.SkinControl(next, 12, "Blue Sky", "setup WIZARD", "Next"), 0);
    EXPECT_TRUE(IsWindowVisible(cancel));
    RECT r = RectInParentOf(next);
    EXPECT_EQ(r.left, 5);

    // The entry's own spelling works; control names ignore letter case.
    host.SkinControl(cancel, 0, "Blue Sky", "Setup Wizard", "CANCEL");
    host.SkinControl(next, 12, "Blue Sky", "Setup Wizard", "next");
    EXPECT_FALSE(IsWindowVisible(cancel));
    r = RectInParentOf(next);
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 50);
    EXPECT_EQ(r.bottom - r.top, 20);
    // It grew from 30 x 15: its rectangle shape grew with it.
    HRGN shape = WindowRegion(next);
    HRGN whole = CreateRectRgn(0, 0, 50, 20);
    EXPECT_TRUE(EqualRgn(shape, whole));
    DeleteObject(shape);
    DeleteObject(whole);
}

TEST_F(SkinWindowTest, CallsBeforeSkinningOrOnDestroyedWindowsDoNothing) {
    // No window handler yet: the control is left as it is.
    EXPECT_EQ(host.SkinControl(next, 12, "Blue Sky", "Setup Wizard", "Next"), 0);
    EXPECT_EQ(RectInParentOf(next).left, 5);
    EXPECT_EQ(GetPropA(next, "__IDSELF__"), nullptr);

    ASSERT_EQ(Skin(), 1);
    const HWND gone = window, goneControl = cancel;
    DestroyWindow(window);
    PumpMessages();
    EXPECT_EQ(host.SkinControl(goneControl, 0, "Blue Sky", "Setup Wizard", "Cancel"), 0);
    EXPECT_EQ(host.SkinWindow(gone, "Blue Sky", "Setup Wizard", nullptr), 0);
    ControlPlacement p{Address32(goneControl), 0, 0, 10, 10};
    host.Callback(0, "CM_ADDCONTROLRGN", gone, reinterpret_cast<LPARAM>(&p));
    host.Callback(0, "CM_PAINTSKINBKGND", gone, 0);
    // A new window of the same name is skinned as if nothing had happened.
    window = CreateTopWindow();
    EXPECT_EQ(Skin(), 1);
}

TEST_F(SkinWindowTest, MissingRecordHidesOnlyForKindZero) {
    ASSERT_EQ(Skin(), 1);
    host.SkinControl(agree, 1, "Blue Sky", "Setup Wizard", "Back");
    EXPECT_TRUE(IsWindowVisible(agree));
    host.SkinControl(agree, 0, "Blue Sky", "Setup Wizard", "Back");
    EXPECT_FALSE(IsWindowVisible(agree));
    // Without the records file nothing happens.
    ShowWindow(agree, SW_SHOW);
    folder.Remove("Blue$32Sky-Setup$32Wizard-Records.tmp");
    host.SkinControl(agree, 0, "Blue Sky", "Setup Wizard", "Cancel");
    EXPECT_TRUE(IsWindowVisible(agree));
}

TEST_F(SkinWindowTest, DestroyRestoresProcedureStylesAndSize) {
    const LONG_PTR procedure = GetWindowLongPtrA(window, GWLP_WNDPROC);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    const RECT rect = WindowRectOf(window);
    ASSERT_EQ(Skin(), 1);
    ASSERT_NE(GetWindowLongPtrA(window, GWLP_WNDPROC), procedure);

    LastDestroy() = {};
    DestroyWindow(window);
    const DestroyTrace& t = LastDestroy();
    ASSERT_TRUE(t.seen);
    EXPECT_EQ(t.procedure, procedure);
    // Destroying hides the window first; the rest of the style is as before.
    EXPECT_EQ(t.style, style & ~WS_VISIBLE);
    EXPECT_EQ(t.exStyle, exStyle);
    EXPECT_FALSE(t.hadProperty);
    EXPECT_EQ(t.rect.left, rect.left);
    EXPECT_EQ(t.rect.top, rect.top);
    EXPECT_EQ(t.rect.right, rect.right);
    EXPECT_EQ(t.rect.bottom, rect.bottom);
}

TEST_F(SkinWindowTest, UnloadingTheLibraryUnhooksLiveWindows) {
    const LONG_PTR procedure = GetWindowLongPtrA(window, GWLP_WNDPROC);
    const LONG_PTR buttonProcedure = GetWindowLongPtrA(next, GWLP_WNDPROC);
    ASSERT_EQ(Skin(), 1);
    host.Unload();
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), procedure);
    EXPECT_EQ(GetWindowLongPtrA(next, GWLP_WNDPROC), buttonProcedure);
    EXPECT_EQ(GetPropA(window, "__IDSELF__"), nullptr);
    EXPECT_EQ(GetPropA(next, "__IDSELF__"), nullptr);
    EXPECT_NE(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(WindowRegion(window), nullptr);
    // The window still works with the library gone.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_NE(SendMessageA(window, WM_NCHITTEST, 0, 0), HTCAPTION);
}

TEST_F(SkinWindowTest, AddControlRegionMovesAControlPartlyOutsideFirst) {
    ASSERT_EQ(Skin(), 1);
    MoveWindow(agree, 110, 80, 30, 15, TRUE);  // hangs over the right and bottom edges
    HRGN before = WindowRegion(window);
    EXPECT_FALSE(PtInRegion(before, 48, 40));  // in the hole of the shape
    DeleteObject(before);

    ControlPlacement p{Address32(agree), 20, 30, 30, 15};
    EXPECT_EQ(host.Callback(0, "CM_ADDCONTROLRGN", window, reinterpret_cast<LPARAM>(&p)), 1);
    RECT r = RectInParentOf(agree);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 30);
    HRGN after = WindowRegion(window);
    // The control covers x 20..49; its rectangle joins one column wider.
    EXPECT_TRUE(PtInRegion(after, 48, 40));
    EXPECT_TRUE(PtInRegion(after, 50, 40));
    EXPECT_FALSE(PtInRegion(after, 51, 40));
    DeleteObject(after);

    // A control inside the window stays where it is.
    p = {Address32(next), 70, 70, 10, 10};
    host.Callback(0, "CM_ADDCONTROLRGN", window, reinterpret_cast<LPARAM>(&p));
    EXPECT_EQ(RectInParentOf(next).left, 5);
}

TEST_F(SkinWindowTest, BackgroundBehindAControlComesFromTheBitmap) {
    ASSERT_EQ(Skin(), 1);
    PixelImage image = SampleImage();
    auto expectedAt = [&](int x, int y) { return SwapRedBlue(image.pixels[y * image.width + x]); };

    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 30, -15, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP target = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(mem, target);

    // The title sits at (5, 25) of the window, the image at (4, 2) of the bitmap.
    EXPECT_EQ(host.Callback(0, "CM_PAINTSKINBKGND", title, reinterpret_cast<LPARAM>(mem)), 1);
    EXPECT_EQ(GetPixel(mem, 0, 0), expectedAt(9, 27));
    EXPECT_EQ(GetPixel(mem, 29, 14), expectedAt(38, 41));

    PatBlt(mem, 0, 0, 30, 15, BLACKNESS);
    SendMessageA(title, 11024, reinterpret_cast<WPARAM>(mem), 0);
    EXPECT_EQ(GetPixel(mem, 3, 4), expectedAt(12, 31));

    SelectObject(mem, old);
    DeleteObject(target);
    DeleteDC(mem);
}

TEST_F(SkinWindowTest, TruncatedSkinFailsAtEveryLengthItNeeded) {
    const auto tiny = PackDescription(kTinyDescription);
    const std::size_t firstNeeds = 16 + 3 * 64;  // its entry and two records
    for (std::size_t len = 0; len <= tiny.size(); ++len) {
        folder.Clear("");
        folder.Write("Tiny.lqs", std::vector<std::uint8_t>(tiny.begin(), tiny.begin() + len));
        std::int32_t second = host.SkinWindow(window, "Tiny", "Second");
        ASSERT_EQ(second, len == tiny.size() ? 1 : 0) << "length " << len;
        if (second == 0) {
            ASSERT_EQ(folder.Files(), std::vector<std::string>{"Tiny.lqs"}) << "length " << len;
        }
        if (len < firstNeeds) {
            ASSERT_EQ(host.SkinWindow(window, "Tiny", "First"), 0) << "length " << len;
            ASSERT_EQ(folder.Files(), std::vector<std::string>{"Tiny.lqs"}) << "length " << len;
        }
    }
    folder.Clear("");
    folder.Write("Tiny.lqs", std::vector<std::uint8_t>(tiny.begin(), tiny.begin() + firstNeeds));
    EXPECT_EQ(host.SkinWindow(window, "Tiny", "First"), 1);
}

TEST_F(SkinWindowTest, BytesThatAreNoBitmapFailWithoutLeftovers) {
    auto tiny = PackDescription(kTinyDescription);
    const std::uint32_t at = ReadU32(&tiny[16 + 3 * 64 + 20]);
    tiny[at + 4] = 'X';  // the bitmap's "BM"
    tiny[at + 5] = 'X';
    folder.Write("Tiny.lqs", tiny);
    const RECT before = WindowRectOf(window);
    EXPECT_EQ(host.SkinWindow(window, "Tiny", "Second"), 0);
    EXPECT_EQ(folder.Files(), (std::vector<std::string>{"Blue Sky.lqs", "Tiny.lqs"}));
    const RECT after = WindowRectOf(window);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
}

TEST_F(SkinWindowTest, BitmapPromisingMoreThanItsBlockFailsWithoutLeftovers) {
    // The block's length is right, but the bitmap inside it claims rows
    // that are not there: the system's loader would read past its end.
    auto tiny = PackDescription(kTinyDescription);
    const std::uint32_t at = ReadU32(&tiny[16 + 3 * 64 + 20]);
    WriteU32(&tiny[at + 4 + 22], 5000);
    folder.Write("Tiny.lqs", tiny);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(host.SkinWindow(window, "Tiny", "Second"), 0);
    EXPECT_EQ(folder.Files(), (std::vector<std::string>{"Blue Sky.lqs", "Tiny.lqs"}));
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE), style);
    EXPECT_EQ(GetPropA(window, "__IDSELF__"), nullptr);

    // A damaged extract left from before is no better; it is not ours to remove.
    folder.Write("Tiny.lqs", PackDescription(kTinyDescription));
    std::vector<std::uint8_t> cut = MakeBmp24(TinyImage());
    cut.resize(cut.size() / 2);
    folder.Write("Tiny-Second-Bitmap.tmp", cut);
    EXPECT_EQ(host.SkinWindow(window, "Tiny", "Second"), 0);
    EXPECT_EQ(folder.Files(),
              (std::vector<std::string>{"Blue Sky.lqs", "Tiny-Second-Bitmap.tmp", "Tiny.lqs"}));
}

TEST(SkinWithoutHost, NothingIsSkinnedBeforeTheHostRecordArrives) {
    ScratchFolder folder;
    TestHost host(folder.Path());
    std::string error;
    ASSERT_TRUE(host.Load(ProgramFolder() + "Lumiq.dll", &error)) << error;
    folder.Write("Blue Sky.lqs", PackDescription(kSampleDescription));
    auto* si = FromAddress32<const std::uint8_t*>(
        static_cast<std::uint32_t>(host.Callback(0, "CM_LUMIQINFO")));
    auto skinWindow = FromAddress32<SkinWindowFn>(ReadU32(si + 4));
    HWND w = CreateTopWindow();
    EXPECT_EQ(skinWindow(w, "Blue Sky", "Setup Wizard", nullptr), 0);
    EXPECT_EQ(GetPropA(w, "__IDSELF__"), nullptr);
    DestroyWindow(w);
}

}  // namespace
}  // namespace lumiq
