#include "host/installer.h"

#include <commctrl.h>

#include <cstring>

#include "format/bmp.h"

namespace lumiq {

namespace {

constexpr const char* kClass = "LumiqDemoInstaller";
constexpr UINT_PTR kProgressTimer = 1;

constexpr unsigned On(std::initializer_list<int> pages) {
    unsigned bits = 0;
    for (int p : pages) bits |= 1u << p;
    return bits;
}

using P = DemoInstaller::Page;
constexpr unsigned kAll = (1u << P::PageCount) - 1;

const char* const kHeadings[] = {"Welcome", "Licence agreement", "Options", "Installing",
                                 "Finished"};
const char* const kTexts[] = {
    "This wizard installs the Veltra price calculator on this computer.\r\n\r\n"
    "Press Next to go on, or Cancel to leave without changes.",
    "", "", "",
    "The Veltra price calculator is installed.\r\n\r\nPress Finish to close the wizard."};
const char* const kLicence[] = {"VELTRA PRICE CALCULATOR - LICENCE",
                                "",
                                "1. You may install the calculator on the",
                                "   computers of your sales office.",
                                "2. Prices in the price list are quoted",
                                "   without obligation.",
                                "3. The calculator comes without warranty",
                                "   of any kind.",
                                "",
                                "Check the box below to accept these terms."};

// The plug-in paints a button's face only; its text is the host's to draw.
void WINAPI DrawButtonText(HWND w, HDC dc) {
    char cls[16] = "";
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") != 0) return;
    const LONG type = GetWindowLongA(w, GWL_STYLE) & BS_TYPEMASK;
    char text[128] = "";
    GetWindowTextA(w, text, sizeof text);
    RECT r{};
    GetClientRect(w, &r);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0)));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const bool enabled = IsWindowEnabled(w);
    const bool push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
    UINT format = DT_SINGLELINE | DT_VCENTER;
    if (push) {
        SetTextColor(dc, enabled ? RGB(255, 255, 255) : RGB(0x6A, 0x72, 0x80));
        format |= DT_CENTER;
        if (SendMessageA(w, BM_GETSTATE, 0, 0) & BST_PUSHED) OffsetRect(&r, 1, 1);
    } else {
        SetTextColor(dc, enabled ? RGB(0x1B, 0x2A, 0x4A) : RGB(0x9A, 0xA2, 0xAE));
        r.left += 24;
    }
    DrawTextA(dc, text, -1, &r, format);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

}  // namespace

DemoInstaller::DemoInstaller() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, kClass, "Veltra set-up", WS_POPUP | WS_CAPTION | WS_SYSMENU, 200,
                              150, 500, 350, nullptr, nullptr, wc.hInstance, this);

    font_ = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    titleFont_ = CreateFontA(-18, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    const DWORD toggle = BS_AUTOCHECKBOX | WS_TABSTOP;
    controls_ = {
        {"Title", "STATIC", "Veltra set-up", SS_LEFT, 9, kAll, nullptr},
        {"Heading", "STATIC", "", SS_LEFT, 9, kAll, nullptr},
        {"Text", "STATIC", "", SS_LEFT, 9, On({P::Welcome, P::Finish}), nullptr},
        {"Licence", "LISTBOX", "", WS_VSCROLL | LBS_NOSEL, 6, On({P::Licence}), nullptr},
        {"Agree", "BUTTON", "I accept the licence", toggle, 2, On({P::Licence}), nullptr},
        {"Shortcut", "BUTTON", "Desktop shortcut", toggle, 2, On({P::Options}), nullptr},
        {"Launch", "BUTTON", "Start when finished", toggle, 2, On({P::Options}), nullptr},
        {"Full", "BUTTON", "Full installation", BS_AUTORADIOBUTTON | WS_GROUP, 3, On({P::Options}),
         nullptr},
        {"Minimal", "BUTTON", "Calculator only", BS_AUTORADIOBUTTON, 3, On({P::Options}), nullptr},
        {"Folder", "STATIC", "Install into:", SS_LEFT, 9, On({P::Options}), nullptr},
        {"Path", "EDIT", "C:\\Program Files\\Veltra", ES_AUTOHSCROLL | WS_BORDER, 5,
         On({P::Options}), nullptr},
        {"Status", "STATIC", "", SS_LEFT, 9, On({P::Progress}), nullptr},
        {"Progress", PROGRESS_CLASSA, "", 0, 8, On({P::Progress}), nullptr},
        {"Back", "BUTTON", "< Back", BS_PUSHBUTTON | WS_TABSTOP, 1, kAll, nullptr},
        {"Next", "BUTTON", "Next >", BS_PUSHBUTTON | WS_TABSTOP, 1, kAll, nullptr},
        {"Cancel", "BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 1, kAll, nullptr},
    };
    int y = 10;
    for (Control& c : controls_) {
        c.hwnd = CreateWindowExA(0, c.cls, c.text, WS_CHILD | c.style, 10, y, 120, 20, window_,
                                 nullptr, wc.hInstance, nullptr);
        y += 22;
        HFONT font = std::strcmp(c.name, "Title") == 0 ? titleFont_ : font_;
        SendMessageA(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    for (const char* line : kLicence)
        SendMessageA(Find("Licence"), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    SendMessageA(Find("Full"), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(Find("Shortcut"), BM_SETCHECK, BST_CHECKED, 0);
}

DemoInstaller::~DemoInstaller() {
    if (IsWindow(window_)) DestroyWindow(window_);
    DeleteObject(font_);
    DeleteObject(titleFont_);
}

int DemoInstaller::Skin(const TestHost& host, const std::string& skin,
                        const std::string& windowName) {
    int skinned = host.SkinWindow(window_, skin.c_str(), windowName.c_str(), DrawButtonText);
    if (skinned) {
        for (const Control& c : controls_) {
            host.SkinControl(c.hwnd, c.kind, skin.c_str(), windowName.c_str(), c.name,
                             DrawButtonText);
        }
    }
    return skinned;
}

HWND DemoInstaller::Find(const char* name) const {
    for (const Control& c : controls_) {
        if (std::strcmp(c.name, name) == 0) return c.hwnd;
    }
    return nullptr;
}

void DemoInstaller::Show(Page page) {
    page_ = page;
    for (const Control& c : controls_) {
        ShowWindow(c.hwnd, (c.pages >> page) & 1 ? SW_SHOWNA : SW_HIDE);
    }
    SetWindowTextA(Find("Heading"), kHeadings[page]);
    SetWindowTextA(Find("Text"), kTexts[page]);
    const bool agreed = SendMessageA(Find("Agree"), BM_GETCHECK, 0, 0) == BST_CHECKED;
    EnableWindow(Find("Back"), page == Licence || page == Options);
    EnableWindow(Find("Next"), page != Progress && (page != Licence || agreed));
    EnableWindow(Find("Cancel"), page != Finish);
    SetWindowTextA(Find("Next"), page == Options  ? "Install"
                                 : page == Finish ? "Finish"
                                                  : "Next >");
    if (page == Progress) {
        SetProgress(0);
        SetTimer(window_, kProgressTimer, 40, nullptr);
    }
    SetFocus(Find(page == Licence ? "Agree" : "Next"));
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void DemoInstaller::SetProgress(int percent) {
    percent_ = percent;
    SendMessageA(Find("Progress"), PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    const std::string status = "Copying files... " + std::to_string(percent) + "%";
    SetWindowTextA(Find("Status"), status.c_str());
}

void DemoInstaller::Next() {
    if (page_ == Finish) {
        DestroyWindow(window_);
    } else if (page_ != Progress) {
        Show(static_cast<Page>(page_ + 1));
    }
}

void DemoInstaller::Back() {
    if (page_ == Licence || page_ == Options) Show(static_cast<Page>(page_ - 1));
}

LRESULT CALLBACK DemoInstaller::Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* created =
            static_cast<DemoInstaller*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        created->window_ = w;
        SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<DemoInstaller*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    return self ? self->Handle(msg, wp, lp) : DefWindowProcA(w, msg, wp, lp);
}

LRESULT DemoInstaller::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: {
            HWND from = reinterpret_cast<HWND>(lp);
            if (HIWORD(wp) != BN_CLICKED) break;
            if (from == Find("Next")) Next();
            if (from == Find("Back")) Back();
            if (from == Find("Cancel")) DestroyWindow(window_);
            if (from == Find("Agree")) Show(Licence);
            return 0;
        }
        case WM_TIMER:
            if (wp == kProgressTimer) {
                SetProgress(percent_ + 2);
                if (percent_ >= 100) {
                    KillTimer(window_, kProgressTimer);
                    Show(Finish);
                }
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            break;
        default:
            break;
    }
    return DefWindowProcA(window_, msg, wp, lp);
}

std::string DemoInstaller::Report() const {
    RECT r{};
    GetWindowRect(window_, &r);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    const int regionType = GetWindowRgn(window_, rgn);
    DeleteObject(rgn);
    int shaped = 0;
    for (const Control& c : controls_) {
        HRGN cr = CreateRectRgn(0, 0, 0, 0);
        shaped += GetWindowRgn(c.hwnd, cr) != ERROR;
        DeleteObject(cr);
    }
    return "window " + std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) +
           ", region " + (regionType == ERROR ? "none" : "set") + ", caption " +
           ((GetWindowLongA(window_, GWL_STYLE) & WS_CAPTION) ? "kept" : "removed") + ", " +
           std::to_string(shaped) + " of " + std::to_string(controls_.size()) + " controls shaped";
}

bool DemoInstaller::Capture(const std::string& path) const {
    RECT r{};
    GetWindowRect(window_, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP shot = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(screen);
    bool ok = shot && mem;
    if (ok) {
        HGDIOBJ old = SelectObject(mem, shot);
        ok = BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
        SelectObject(mem, old);
    }
    PixelImage image{w, h, {}};
    if (ok) {
        const auto* p = static_cast<const std::uint32_t*>(bits);
        image.pixels.assign(p, p + static_cast<std::size_t>(w) * h);
    }
    if (mem) DeleteDC(mem);
    if (shot) DeleteObject(shot);
    ReleaseDC(nullptr, screen);
    if (!ok) return false;
    std::vector<std::uint8_t> bytes = MakeBmp24(image);
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
    CloseHandle(f);
    return ok;
}

}  // namespace lumiq
