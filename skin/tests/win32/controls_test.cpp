// Skinned controls through Lumiq.dll on real controls: faces, bars, labels,
// colours, panels, fonts, and GDI objects over many skinned windows.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <richedit.h>

#include "format/bytes.h"
#include "format/skin_format.h"
#include "host/test_host.h"
#include "plugin/control_kinds.h"
#include "plugin/plugin.h"
#include "tests/common/sample_skins.h"
#include "tests/win32/win32_support.h"

namespace lumiq {
namespace {

using namespace lumiq::testing;
using C = ControlsColours;

COLORREF PixelOf(HWND w, int x, int y) {
    HDC dc = GetDC(w);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(w, dc);
    return c;
}

COLORREF SkinColour(std::uint32_t rgb) {
    return SwapRedBlue(rgb);
}

// The skin's pixel at (x, y) of the window.
COLORREF SkinAt(int x, int y) {
    static const PixelImage image = ControlsImage();
    return SwapRedBlue(image.pixels[y * image.width + x]);
}

// An installer page with one control of every painting kind.
struct Page {
    HWND window, push, check, bar, panel, label, field, box, tree, rich;

    Page() {
        LoadLibraryA("riched20.dll");
        window = CreateTopWindow();
        push = CreateChild(window, "BUTTON", "Push", BS_PUSHBUTTON, 0, 0, 30, 12);
        check = CreateChild(window, "BUTTON", "Check", BS_AUTOCHECKBOX, 0, 0, 30, 12);
        bar = CreateChild(window, PROGRESS_CLASSA, "", 0, 0, 0, 30, 12);
        label = CreateChild(window, "STATIC", "MMMM", SS_LEFT, 0, 0, 30, 12);
        panel = CreateChild(window, "STATIC", "", 0, 0, 0, 30, 12);
        field = CreateChild(window, "EDIT", "", WS_BORDER, 0, 0, 30, 12);
        box = CreateChild(window, "LISTBOX", "", 0, 0, 0, 30, 12);
        tree = CreateChild(window, WC_TREEVIEWA, "", 0, 0, 0, 30, 12);
        rich = CreateChild(window, "RichEdit20A", "", 0, 0, 0, 30, 12);
    }

    void Skin(SkinWindowFn skinWindow, SkinControlFn skinControl) const {
        skinWindow(window, "Demo", "Controls", nullptr);
        const std::pair<HWND, std::pair<std::uint32_t, const char*>> kinds[] = {
            {push, {1, "Push"}},   {check, {2, "Check"}}, {bar, {8, "Bar"}},
            {panel, {4, "Panel"}}, {label, {9, "Label"}}, {field, {5, "Field"}},
            {box, {7, "Box"}},     {tree, {10, "Tree"}},  {rich, {11, "Rich"}},
        };
        for (const auto& [control, kind] : kinds) {
            skinControl(control, kind.first, "Demo", "Controls", kind.second, nullptr);
        }
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
    }
};

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(host.Load(ProgramFolder() + "Lumiq.dll", &error)) << error;
        host.SendHostRecord();
        host.Announce();
        folder.Write("Demo.lqs", PackDescription(kControlsDescription));
        const std::uint8_t* info = host.SkinInfo();
        ASSERT_NE(info, nullptr);
        page.Skin(FromAddress32<SkinWindowFn>(ReadU32(info + 4)),
                  FromAddress32<SkinControlFn>(ReadU32(info + 8)));
        ASSERT_NE(GetPropA(page.window, "__IDSELF__"), nullptr);
    }
    void TearDown() override {
        DestroyWindow(page.window);
        PumpMessages();
    }

    ScratchFolder folder;
    TestHost host{folder.Path()};
    Page page;
};

TEST_F(ControlsTest, ButtonFacesFollowTheStateBits) {
    auto face = [](HWND b) { return PixelOf(b, 10, 5); };
    EXPECT_EQ(face(page.push), SkinColour(C::normal));
    SendMessageA(page.push, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(face(page.push), SkinColour(C::pressed));
    SendMessageA(page.push, BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(face(page.push), SkinColour(C::normal));

    HWND check = page.check;
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(face(check), SkinColour(C::checked));
    SendMessageA(check, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(face(check), SkinColour(C::pressed)) << "pushed shows pressed, checked or not";
    SendMessageA(check, BM_SETSTATE, FALSE, 0);
    SetFocus(check);
    EXPECT_EQ(face(check), SkinColour(C::checkedFocused));
    EnableWindow(check, FALSE);
    EXPECT_EQ(face(check), SkinColour(C::checkedDisabled));
    SendMessageA(check, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(face(check), SkinColour(C::disabled));
    EnableWindow(check, TRUE);
    SetFocus(check);
    EXPECT_EQ(face(check), SkinColour(C::focused));

    // A click as the user makes it: pressed while down, checked after.
    SendMessageA(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(face(check), SkinColour(C::pressed));
    SendMessageA(check, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(face(check), SkinColour(C::checkedFocused));

    // A paint message shows the same face.
    HDC dc = GetDC(check);
    PatBlt(dc, 0, 0, 20, 10, BLACKNESS);
    ReleaseDC(check, dc);
    RedrawWindow(check, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(face(check), SkinColour(C::checkedFocused));

    // Placed by the record, shaped like the normal face: no transparent
    // corner, no last column.
    RECT r = RectInParentOf(page.push);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right, 40);
    EXPECT_EQ(r.bottom, 30);
    HRGN shape = WindowRegion(page.push);
    ASSERT_NE(shape, nullptr);
    EXPECT_FALSE(PtInRegion(shape, 0, 0));
    EXPECT_TRUE(PtInRegion(shape, 1, 0));
    EXPECT_TRUE(PtInRegion(shape, 18, 9));
    EXPECT_FALSE(PtInRegion(shape, 19, 5));
    DeleteObject(shape);
    EXPECT_EQ(RectInParentOf(check).left, 45);
}

TEST_F(ControlsTest, ProgressBarFillsFromTheEmptyToTheFullImage) {
    HWND bar = page.bar;
    auto at = [&](int x, int y) { return PixelOf(bar, x, y); };
    SendMessageA(bar, PBM_SETRANGE32, 0, 0);
    for (int x : {0, 20, 38}) EXPECT_EQ(at(x, 10), SkinColour(C::empty)) << x;
    SendMessageA(bar, PBM_SETRANGE32, 0, 100);
    SendMessageA(bar, PBM_SETPOS, 100, 0);
    for (int x : {0, 20, 38}) EXPECT_EQ(at(x, 10), SkinColour(C::full)) << x;
    SendMessageA(bar, PBM_SETPOS, 50, 0);
    EXPECT_EQ(at(19, 10), SkinColour(C::full));
    EXPECT_EQ(at(20, 10), SkinColour(C::empty));
    SendMessageA(bar, PBM_SETRANGE32, 0, 80);  // 50 of 80 of 40 columns: 25
    EXPECT_EQ(at(24, 10), SkinColour(C::full));
    EXPECT_EQ(at(25, 10), SkinColour(C::empty));
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 50);

    // Vertical bars fill from the bottom.
    SetWindowLongA(bar, GWL_STYLE, GetWindowLongA(bar, GWL_STYLE) | PBS_VERTICAL);
    SendMessageA(bar, PBM_SETRANGE32, 0, 100);
    EXPECT_EQ(at(5, 9), SkinColour(C::empty));
    EXPECT_EQ(at(5, 10), SkinColour(C::full));
    EXPECT_EQ(at(5, 19), SkinColour(C::full));
    // The control never drew itself over the skin.
    RECT r = RectInParentOf(bar);
    EXPECT_EQ(r.right - r.left, 40);
    EXPECT_EQ(r.bottom - r.top, 20);
}

TEST_F(ControlsTest, LabelDrawsItsTextOverTheSkin) {
    HWND label = page.label;  // at (66, 50) of the window, 40 x 16
    auto textPixels = [&] {
        int differing = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 39; ++x)
                differing += PixelOf(label, x, y) != SkinAt(66 + x, 50 + y);
        }
        return differing;
    };
    EXPECT_GT(textPixels(), 10);
    EXPECT_EQ(PixelOf(label, 38, 15), SkinAt(66 + 38, 50 + 15));
    SetWindowTextA(label, "");
    EXPECT_EQ(textPixels(), 0);
    SetWindowTextA(label, "MMMM");
    EXPECT_GT(textPixels(), 10);
    RECT r = WindowRectOf(label);
    EXPECT_EQ(SendMessageA(label, WM_NCHITTEST, 0, MAKELPARAM(r.left + 2, r.top + 2)),
              HTTRANSPARENT);
}

TEST_F(ControlsTest, WindowPixelsAreTheSkinWhereNoControlCoversThem) {
    HRGN shape = WindowRegion(page.window);
    ASSERT_NE(shape, nullptr);
    int compared = 0;
    for (int y = 0; y < 96; y += 3) {
        for (int x = 0; x < 128; x += 3) {
            POINT p{x, y};
            ClientToScreen(page.window, &p);
            HWND at = ChildWindowFromPointEx(page.window, POINT{x, y}, CWP_SKIPINVISIBLE);
            if (!PtInRegion(shape, x, y) || at != page.window) continue;
            ASSERT_EQ(PixelOf(page.window, x, y), SkinAt(x, y)) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 500);
    DeleteObject(shape);
}

TEST_F(ControlsTest, ColouredControlsAnswerWithTheRecordsColours) {
    HDC dc = GetDC(page.field);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(page.window, WM_CTLCOLOREDIT,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(page.field)));
    ASSERT_NE(brush, nullptr);
    LOGBRUSH lb{};
    GetObjectA(brush, sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, SkinColour(0x405060));
    EXPECT_EQ(GetBkColor(dc), SkinColour(0x405060));
    EXPECT_EQ(GetTextColor(dc), SkinColour(0x102030));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    ReleaseDC(page.field, dc);

    // The box answers its own children and draws no frame.
    dc = GetDC(page.box);
    EXPECT_NE(SendMessageA(page.box, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), 0), 0);
    EXPECT_EQ(GetTextColor(dc), SkinColour(0x010203));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    ReleaseDC(page.box, dc);
    EXPECT_EQ(SendMessageA(page.box, WM_NCPAINT, 1, 0), 0);

    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(page.tree, TVM_GETTEXTCOLOR, 0, 0)),
              SkinColour(0x112233));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(page.tree, TVM_GETBKCOLOR, 0, 0)),
              SkinColour(0x445566));
    // Setting a colour answers the one it replaces.
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(page.rich, EM_SETBKGNDCOLOR, 0, RGB(1, 2, 3))),
              SkinColour(0x778899));
    RECT r = RectInParentOf(page.rich);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 35);
}

TEST_F(ControlsTest, PanelPaintsTheSkinAndControlsOnItDrawAgain) {
    ValidateRect(page.label, nullptr);
    RedrawWindow(page.panel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(GetUpdateRect(page.label, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(page.panel, nullptr, FALSE));
    EXPECT_EQ(PixelOf(page.panel, 1, 20), SkinAt(65, 68));
    EXPECT_EQ(RectInParentOf(page.panel).left, 64);
}

// The core's SkinWindow and SkinControl, with the extended progress
// queries switched off as on systems that lack them.
TEST(ProgressFallback, RangeAndPositionComeBackUnchanged) {
    ScratchFolder folder;
    TestHost host(folder.Path());
    folder.Write("Demo.lqs", PackDescription(kControlsDescription));
    LibraryStart(InitCommonControlsEx);
    State().progressQueries = false;
    PluginCallback(1, nullptr, reinterpret_cast<HWND>(const_cast<std::uint8_t*>(host.HostRecord())),
                   0);
    Page page;
    page.Skin(SkinWindow, SkinControl);
    SendMessageA(page.bar, PBM_SETRANGE32, 0, 500);
    SendMessageA(page.bar, PBM_SETPOS, 300, 0);  // 24 of 40 columns
    EXPECT_EQ(PixelOf(page.bar, 23, 10), SkinColour(C::full));
    EXPECT_EQ(PixelOf(page.bar, 24, 10), SkinColour(C::empty));
    EXPECT_EQ(SendMessageA(page.bar, PBM_GETPOS, 0, 0), 300);
    EXPECT_EQ(SendMessageA(page.bar, PBM_GETRANGE, FALSE, 0), 500);
    LibraryEnd();
    DestroyWindow(page.window);
    PumpMessages();
    State().hostInfoSet = false;
}

TEST(Fonts, KeepFaceAndStyleScaledTo96DotsPerInchRichEditKeepsItsOwn) {
    LoadLibraryA("riched20.dll");
    HWND window = CreateTopWindow();
    HWND edit = CreateChild(window, "EDIT", "", 0, 0, 0, 60, 20);
    HWND rich = CreateChild(window, "RichEdit20A", "", 0, 0, 60, 60, 20);
    auto metrics = [&](HFONT font) {
        HDC dc = GetDC(edit);
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(edit, dc);
        return tm;
    };
    // The face the system really chose for a font.
    auto face = [&](HFONT font) {
        HDC dc = GetDC(edit);
        HGDIOBJ old = SelectObject(dc, font);
        char name[LF_FACESIZE] = "";
        GetTextFaceA(dc, LF_FACESIZE, name);
        SelectObject(dc, old);
        ReleaseDC(edit, dc);
        return std::string(name);
    };

    HFONT vector =
        CreateFontA(-24, 0, 0, 0, FW_BOLD, TRUE, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma");
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(vector), FALSE);
    const TEXTMETRICA original = metrics(vector);
    ASSERT_NE(original.tmPitchAndFamily & TMPF_VECTOR, 0);
    HFONT same = FittedFont(edit, 96);
    ASSERT_NE(same, nullptr);
    EXPECT_EQ(metrics(same).tmHeight, original.tmHeight);
    EXPECT_EQ(metrics(same).tmWeight, FW_BOLD);
    EXPECT_TRUE(metrics(same).tmItalic);
    HFONT smaller = FittedFont(edit, 144);
    EXPECT_NEAR(metrics(smaller).tmHeight, original.tmHeight * 2 / 3, 1);
    EXPECT_EQ(face(smaller), face(vector));

    EXPECT_EQ(FittedFont(rich, 144), nullptr);
    for (HFONT f : {vector, same, smaller}) DeleteObject(f);
    DestroyWindow(window);
}

TEST(GdiObjects, SkinningAndDestroyingAWindow200TimesLeavesNothingBehind) {
    ScratchFolder folder;
    TestHost host(folder.Path());
    std::string error;
    ASSERT_TRUE(host.Load(ProgramFolder() + "Lumiq.dll", &error)) << error;
    host.SendHostRecord();
    host.Announce();
    folder.Write("Demo.lqs", PackDescription(kControlsDescription));
    auto skinWindow = FromAddress32<SkinWindowFn>(ReadU32(host.SkinInfo() + 4));
    auto skinControl = FromAddress32<SkinControlFn>(ReadU32(host.SkinInfo() + 8));
    auto cycle = [&] {
        Page page;
        page.Skin(skinWindow, skinControl);
        SendMessageA(page.bar, PBM_SETPOS, 40, 0);
        SetWindowTextA(page.label, "Copying");
        DestroyWindow(page.window);
        PumpMessages();
    };
    cycle();  // the system's own first-use objects
    const std::size_t before = LiveGdiObjects();
    ASSERT_GT(before, 0u);
    for (int i = 0; i < 200; ++i) cycle();
    EXPECT_EQ(LiveGdiObjects(), before);
}

}  // namespace
}  // namespace lumiq
