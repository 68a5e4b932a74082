// The demo installer: a wizard of five pages (welcome, licence, options,
// progress, finish) in one window, skinned through the plug-in as an
// installer host skins its pages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/test_host.h"

namespace lumiq {

class DemoInstaller {
  public:
    enum Page { Welcome, Licence, Options, Progress, Finish, PageCount };

    DemoInstaller();
    ~DemoInstaller();
    DemoInstaller(const DemoInstaller&) = delete;
    DemoInstaller& operator=(const DemoInstaller&) = delete;

    HWND Window() const { return window_; }
    // Skins the window and every control; the result of SkinWindow.
    int Skin(const TestHost& host, const std::string& skin, const std::string& windowName);
    void Show(Page page);
    Page Current() const { return page_; }
    // Advances the progress page without its timer (for pictures).
    void SetProgress(int percent);
    // Whether the window and its controls look skinned, for the report.
    std::string Report() const;
    // Writes the window as the screen shows it to a bitmap file.
    bool Capture(const std::string& path) const;

  private:
    struct Control {
        const char* name;  // also the record's name in the skin
        const char* cls;
        const char* text;
        DWORD style;
        std::uint32_t kind;
        unsigned pages;  // bit per page it shows on
        HWND hwnd;
    };

    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    HWND Find(const char* name) const;
    void Next();
    void Back();

    HWND window_ = nullptr;
    std::vector<Control> controls_;
    HFONT font_ = nullptr, titleFont_ = nullptr;
    Page page_ = Welcome;
    int percent_ = 0;
};

}  // namespace lumiq
