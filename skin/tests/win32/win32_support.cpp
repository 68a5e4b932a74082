#include "tests/win32/win32_support.h"

#include <algorithm>

namespace lumiq::testing {

namespace {

constexpr const char* kClassName = "LumiqTestWindow";

void RegisterTestClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    registered = true;
}

}  // namespace

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::string(temp) + "lumiq-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter);
        if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    }
}

ScratchFolder::~ScratchFolder() {
    Clear("");
    RemoveDirectoryA(path_.c_str());
}

void ScratchFolder::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    HANDLE f = CreateFileA(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
}

void ScratchFolder::Remove(const std::string& name) const {
    DeleteFileA(File(name).c_str());
}

std::vector<std::string> ScratchFolder::Files() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(File("*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        std::string n = fd.cFileName;
        if (n != "." && n != "..") names.push_back(n);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

void ScratchFolder::Clear(const std::string& except) const {
    for (const std::string& n : Files()) {
        if (n != except) Remove(n);
    }
}

std::string ProgramFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.find_last_of("\\/") + 1);
}

DestroyTrace& LastDestroy() {
    static DestroyTrace trace;
    return trace;
}

LRESULT CALLBACK TestWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        DestroyTrace& t = LastDestroy();
        t.seen = true;
        t.procedure = GetWindowLongPtrA(w, GWLP_WNDPROC);
        t.style = GetWindowLongA(w, GWL_STYLE);
        t.exStyle = GetWindowLongA(w, GWL_EXSTYLE);
        GetWindowRect(w, &t.rect);
        t.hadProperty = GetPropA(w, "__IDSELF__") != nullptr;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

HWND CreateTopWindow(int x, int y, int width, int height) {
    RegisterTestClass();
    HWND w = CreateWindowExA(WS_EX_DLGMODALFRAME, kClassName, "Veltra set-up",
                             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, x, y, width, height,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    PumpMessages();
    return w;
}

HWND CreateChild(HWND parent, const char* cls, const char* text, DWORD style, int x, int y,
                 int width, int height, DWORD exStyle) {
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

RECT WindowRectOf(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

RECT RectInParentOf(HWND w) {
    RECT r = WindowRectOf(w);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HRGN RegionOf(const std::vector<Rect>& runs) {
    HRGN all = CreateRectRgn(0, 0, 0, 0);
    for (const Rect& r : runs) {
        HRGN one = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        CombineRgn(all, all, one, RGN_OR);
        DeleteObject(one);
    }
    return all;
}

HRGN WindowRegion(HWND w) {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(w, r) == ERROR) {
        DeleteObject(r);
        return nullptr;
    }
    return r;
}

std::size_t LiveGdiObjects() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return n;
    // Wine does not count them; it keeps every GDI object in the handle
    // table that the process block points to, 24 bytes an entry, the
    // object's type at byte 14 and zero once the entry is free.
    struct BasicInformation {
        void* exitStatus;
        std::uint8_t* peb;
        void* rest[4];
    } info{};
    using QueryFn = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<QueryFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    if (!query || query(GetCurrentProcess(), 0, &info, sizeof info, nullptr) != 0 || !info.peb) {
        return 0;
    }
    const std::size_t tableAt = sizeof(void*) == 8 ? 0xF8 : 0x94;
    const std::uint8_t* peb = info.peb;
    auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + tableAt);
    if (!table) return 0;
    std::size_t live = 0;
    for (std::size_t i = 0; i < 0x10000; ++i) live += table[i * 24 + 14] != 0;
    return live;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace lumiq::testing
