// lumiq-host: a small installer-like window skinned through Lumiq.dll.
//
//   lumiq-host [--close-after MS] FOLDER SKIN [WINDOW]
//
// FOLDER stands for "%Presetup%" and holds SKIN.lqs; WINDOW defaults to
// "Welcome". The window's controls are named Title, Next, Cancel, Agree,
// Path and Progress. The exit code is 0 when the window was skinned.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/test_host.h"

namespace {

struct DemoControl {
    const char* cls;
    const char* text;
    DWORD style;
    int x, y, w, h;
    std::uint32_t kind;
};

// Until the painting kinds exist the demo places its controls (kind 12)
// and hides Cancel (kind 0).
constexpr DemoControl kControls[] = {
    {"STATIC", "Title", SS_LEFT, 10, 10, 200, 20, 12},
    {"BUTTON", "Next", BS_PUSHBUTTON, 150, 200, 80, 24, 12},
    {"BUTTON", "Cancel", BS_PUSHBUTTON, 240, 200, 80, 24, 0},
    {"BUTTON", "Agree", BS_AUTOCHECKBOX, 10, 170, 120, 20, 12},
    {"EDIT", "Path", ES_AUTOHSCROLL | WS_BORDER, 10, 40, 300, 22, 12},
    {PROGRESS_CLASSA, "Progress", 0, 10, 80, 300, 16, 12},
};

int g_paints = 0;

void WINAPI CountPaint(HWND, HDC) {
    ++g_paints;
}

LRESULT CALLBACK DemoProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) DestroyWindow(w);
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(w, msg, wp, lp);
}

std::string ModuleFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.find_last_of("\\/") + 1);
}

}  // namespace

int main(int argc, char** argv) {
    int closeAfter = 0;
    int arg = 1;
    if (arg + 1 < argc && std::string(argv[arg]) == "--close-after") {
        closeAfter = std::atoi(argv[arg + 1]);
        arg += 2;
    }
    if (argc - arg < 2) {
        std::fprintf(stderr, "usage: lumiq-host [--close-after MS] FOLDER SKIN [WINDOW]\n");
        return 2;
    }
    const std::string folder = argv[arg], skin = argv[arg + 1];
    const std::string windowName = argc - arg > 2 ? argv[arg + 2] : "Welcome";

    lumiq::TestHost host(folder);
    std::string error;
    if (!host.Load(ModuleFolder() + "Lumiq.dll", &error)) {
        std::fprintf(stderr, "lumiq-host: %s\n", error.c_str());
        return 1;
    }
    host.SendHostRecord();
    host.Announce();
    if (!host.SkinInfo()) {
        std::fprintf(stderr, "lumiq-host: the plug-in announced no skin entry points\n");
        return 1;
    }

    WNDCLASSA wc{};
    wc.lpfnWndProc = DemoProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "LumiqDemoHost";
    RegisterClassA(&wc);
    HWND window =
        CreateWindowExA(0, wc.lpszClassName, "Veltra set-up", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        200, 150, 340, 240, nullptr, nullptr, wc.hInstance, nullptr);
    HWND controls[std::size(kControls)];
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        const DemoControl& c = kControls[i];
        controls[i] = CreateWindowExA(0, c.cls, c.text, WS_CHILD | WS_VISIBLE | c.style, c.x, c.y,
                                      c.w, c.h, window, nullptr, wc.hInstance, nullptr);
    }

    int skinned = host.SkinWindow(window, skin.c_str(), windowName.c_str(), CountPaint);
    std::printf("SkinWindow(\"%s\", \"%s\") = %d\n", skin.c_str(), windowName.c_str(), skinned);
    if (skinned) {
        for (std::size_t i = 0; i < std::size(kControls); ++i) {
            host.SkinControl(controls[i], kControls[i].kind, skin.c_str(), windowName.c_str(),
                             kControls[i].text, CountPaint);
        }
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    RECT r{};
    GetWindowRect(window, &r);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    int regionType = GetWindowRgn(window, rgn);
    DeleteObject(rgn);
    std::printf("window %ldx%ld at %ld,%ld, region %s, caption %s\n", r.right - r.left,
                r.bottom - r.top, r.left, r.top, regionType == ERROR ? "none" : "set",
                (GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) ? "kept" : "removed");

    if (closeAfter > 0) SetTimer(window, 1, static_cast<UINT>(closeAfter), nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    std::printf("painted %d time(s)\n", g_paints);
    host.Unload();
    return skinned ? 0 : 3;
}
