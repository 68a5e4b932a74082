// Helpers for the Windows tests: scratch folders, test windows, regions.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "format/region_runs.h"

namespace lumiq::testing {

// A scratch folder under the temporary folder, removed with its files.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }  // no trailing separator
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    void Remove(const std::string& name) const;
    std::vector<std::string> Files() const;  // sorted
    void Clear(const std::string& except) const;

  private:
    std::string path_;
};

// The folder of the running test program, with the trailing separator.
std::string ProgramFolder();

// What a test window's own procedure saw when it was destroyed.
struct DestroyTrace {
    bool seen = false;
    LONG_PTR procedure = 0;
    LONG style = 0, exStyle = 0;
    RECT rect{};
    bool hadProperty = false;
};

// The procedure every test window starts with.
LRESULT CALLBACK TestWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
DestroyTrace& LastDestroy();

// A top-level installer-like window (pop-up with caption), 100 x 70 at (200, 150).
HWND CreateTopWindow(int x = 200, int y = 150, int width = 100, int height = 70);
HWND CreateChild(HWND parent, const char* cls, const char* text, DWORD style, int x, int y,
                 int width, int height, DWORD exStyle = 0);

RECT WindowRectOf(HWND w);
RECT RectInParentOf(HWND w);

// A region made of the rectangles.
HRGN RegionOf(const std::vector<Rect>& runs);
// The window's region, or null when it has none.
HRGN WindowRegion(HWND w);

void PumpMessages();

// The GDI objects alive in this process (every object, stock ones included).
std::size_t LiveGdiObjects();

}  // namespace lumiq::testing
