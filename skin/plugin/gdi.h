// Small helpers for window geometry and device contexts that the handlers
// and the control painting share.
#pragma once

#include <windows.h>

namespace lumiq {

inline RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The window's rectangle in the coordinates that moving it uses: its
// parent's client area for a child, the screen otherwise.
inline RECT RectInParent(HWND window) {
    RECT r = ScreenRect(window);
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) {
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

// A memory device context with a bitmap selected, put back and deleted on
// scope exit. Get() is null when the context could not be made.
class BitmapDc {
  public:
    BitmapDc(HDC reference, HBITMAP bitmap) : dc_(CreateCompatibleDC(reference)) {
        if (dc_) old_ = SelectObject(dc_, bitmap);
        // A bitmap that cannot be selected (deleted, or selected elsewhere)
        // would leave the context's own one-pixel bitmap to copy from.
        if (dc_ && !old_) {
            DeleteDC(dc_);
            dc_ = nullptr;
        }
    }
    ~BitmapDc() {
        if (!dc_) return;
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

// A window's device context, released on scope exit.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around a scope.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    ~PaintScope() { EndPaint(window_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

}  // namespace lumiq
