#include "plugin/control_paint.h"

#include <commctrl.h>

#include <string>

#include "format/bytes.h"
#include "format/control_rules.h"
#include "format/skin_format.h"
#include "plugin/plugin.h"

namespace lumiq {

namespace {

using PaintFn = void (*)(TControlHandler&, HDC);

// The skin first, then whatever the host draws over it (a button's text).
void PaintWithCallback(TControlHandler& h, HDC dc, PaintFn paint) {
    paint(h, dc);
    if (PaintCallback callback = h.PaintCallbackFn()) callback(h.Window(), dc);
}

// Painting outside of a paint message, right after the control changed.
void PaintNow(TControlHandler& h, PaintFn paint) {
    WindowDc dc(h.Window());
    if (dc.Get()) PaintWithCallback(h, dc.Get(), paint);
}

// The paint message.
void PaintOnMessage(TControlHandler& h, TMessage& m, PaintFn paint) {
    PaintScope scope(h.Window());
    if (scope.Get()) PaintWithCallback(h, scope.Get(), paint);
    m.result = 0;
}

// Copies width x height from the window's bitmap at (x, y) to (toX, toY).
void CopyFromSkin(TControlHandler& h, HDC dc, int toX, int toY, int width, int height, int x,
                  int y) {
    HBITMAP bitmap = h.WindowHandler() ? h.WindowHandler()->Bitmap() : nullptr;
    if (!bitmap || !dc || width <= 0 || height <= 0) return;
    BitmapDc source(dc, bitmap);
    if (source.Get()) BitBlt(dc, toX, toY, width, height, source.Get(), x, y, SRCCOPY);
}

struct PanelRefresh {
    HWND panel;
    RECT area;
};

BOOL CALLBACK RefreshOverPanel(HWND window, LPARAM param) {
    const auto* p = reinterpret_cast<const PanelRefresh*>(param);
    if (window == p->panel || !IsWindowVisible(window)) return TRUE;
    // Another panel paints the same skin pixels that this one just did:
    // refreshing it would only make the two refresh each other for ever.
    auto* other = dynamic_cast<TControlHandler*>(TProcHandler::FromWindow(window));
    if (other && other->Filter() == PanelFilter) return TRUE;
    RECT r = ScreenRect(window), common{};
    if (IntersectRect(&common, &r, &p->area)) InvalidateRect(window, nullptr, TRUE);
    return TRUE;
}

// Controls lying over the panel were painted over: they draw again.
void RefreshControlsOver(TControlHandler& h) {
    if (!h.WindowHandler()) return;
    PanelRefresh refresh{h.Window(), ScreenRect(h.Window())};
    EnumChildWindows(h.WindowHandler()->Window(), RefreshOverPanel,
                     reinterpret_cast<LPARAM>(&refresh));
}

bool IsProgressChange(UINT msg) {
    return (msg >= PBM_SETRANGE && msg <= PBM_SETRANGE32) || msg == PBM_SETBARCOLOR ||
           msg == PBM_SETBKCOLOR;
}

}  // namespace

void PaintButton(TControlHandler& h, HDC dc) {
    const HWND w = h.Window();
    const auto state = static_cast<std::uint32_t>(SendMessageA(w, BM_GETSTATE, 0, 0));
    const int offset = ButtonFaceOffset(state, IsWindowEnabled(w) != FALSE);
    const std::uint8_t* rec = h.Record().data();
    RECT client{};
    GetClientRect(w, &client);
    CopyFromSkin(h, dc, 0, 0, client.right, client.bottom, ReadS16(rec + offset),
                 ReadS16(rec + offset + 2));
}

void PaintPanel(TControlHandler& h, HDC dc) {
    h.PaintBackground(dc);
}

void PaintProgress(TControlHandler& h, HDC dc) {
    const HWND w = h.Window();
    const bool vertical = (GetWindowLongA(w, GWL_STYLE) & PBS_VERTICAL) != 0;
    // The queries below pass through this handler; they must reach the
    // control's own procedure, and while it has no size it draws nothing.
    const MessageFilter filter = h.Filter();
    h.SetFilter(nullptr);
    const RECT place = h.Shrink();
    std::int64_t low = 0, high = 0, position = 0;
    if (State().progressQueries) {
        high = static_cast<int>(SendMessageA(w, PBM_GETRANGE, FALSE, 0));
        low = static_cast<int>(SendMessageA(w, PBM_GETRANGE, TRUE, 0));
        position = static_cast<int>(SendMessageA(w, PBM_GETPOS, 0, 0));
    } else {
        // Only setting the range tells the old one. Setting it to 0..100
        // clamps the position, which is taken first and put back after.
        position = static_cast<int>(SendMessageA(w, PBM_DELTAPOS, 0, 0));
        const auto old = static_cast<DWORD>(SendMessageA(w, PBM_SETRANGE, 0, MAKELPARAM(0, 100)));
        SendMessageA(w, PBM_SETRANGE, 0, static_cast<LPARAM>(old));
        low = LOWORD(old);
        high = HIWORD(old);
        if (SendMessageA(w, PBM_DELTAPOS, 0, 0) != position) {
            SendMessageA(w, PBM_SETPOS, static_cast<WPARAM>(position), 0);
        }
    }
    h.Grow(place);

    const std::uint8_t* rec = h.Record().data();
    const int barWidth = ReadS16(rec + 16), barHeight = ReadS16(rec + 18);
    const int emptyX = ReadS16(rec + 20), emptyY = ReadS16(rec + 22);
    const int fullX = ReadS16(rec + 24), fullY = ReadS16(rec + 26);
    const int filled = ProgressFilled(position, low, high, vertical ? barHeight : barWidth);
    CopyFromSkin(h, dc, 0, 0, barWidth, barHeight, emptyX, emptyY);
    if (vertical) {
        CopyFromSkin(h, dc, 0, barHeight - filled, barWidth, filled, fullX,
                     fullY + barHeight - filled);
    } else {
        CopyFromSkin(h, dc, 0, 0, filled, barHeight, fullX, fullY);
    }
    h.SetFilter(filter);
}

void PaintLabel(TControlHandler& h, HDC dc) {
    const HWND w = h.Window();
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(w)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(w, text.data(), static_cast<int>(text.size()))));
    h.PaintBackground(dc);
    HGDIOBJ oldFont = nullptr;
    if (auto font = reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0))) {
        oldFont = SelectObject(dc, font);
    }
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT client{};
    GetClientRect(w, &client);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client,
              LabelTextFormat(static_cast<std::uint32_t>(GetWindowLongA(w, GWL_STYLE))));
    SetBkMode(dc, oldMode);
    if (oldFont) SelectObject(dc, oldFont);
}

bool ButtonFilter(TControlHandler& h, TMessage& m) {
    switch (m.msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case BM_SETCHECK:
        case BM_SETSTATE:
        case WM_UPDATEUISTATE:
            h.SilentDefault(m);
            PaintNow(h, PaintButton);
            return true;
        case WM_PAINT:
            PaintOnMessage(h, m, PaintButton);
            return true;
        case WM_ERASEBKGND:
            m.result = 0;
            return true;
        default:
            return false;
    }
}

bool PanelFilter(TControlHandler& h, TMessage& m) {
    switch (m.msg) {
        case WM_UPDATEUISTATE:
            h.SilentDefault(m);
            PaintNow(h, PaintPanel);
            RefreshControlsOver(h);
            return true;
        case WM_PAINT:
            PaintOnMessage(h, m, PaintPanel);
            RefreshControlsOver(h);
            return true;
        default:
            return false;
    }
}

bool BoxFilter(TControlHandler& h, TMessage& m) {
    switch (m.msg) {
        case WM_NCPAINT:
            m.result = 0;
            return true;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            HGDIOBJ brush = h.GraphicsObject();
            if (!brush) return false;
            HDC dc = reinterpret_cast<HDC>(m.wParam);
            SetBkColor(dc, SwapRedBlue(ReadU32(h.Record().data() + 20)));
            SetTextColor(dc, SwapRedBlue(ReadU32(h.Record().data() + 16)));
            SelectObject(dc, brush);
            m.result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
        default:
            return false;
    }
}

bool ProgressFilter(TControlHandler& h, TMessage& m) {
    if (m.msg == WM_ERASEBKGND) {
        m.result = 0;
        return true;
    }
    if (IsProgressChange(m.msg)) {
        h.SilentDefault(m);
        PaintNow(h, PaintProgress);
        return true;
    }
    if (m.msg == WM_PAINT) {
        PaintOnMessage(h, m, PaintProgress);
        return true;
    }
    return false;
}

bool LabelFilter(TControlHandler& h, TMessage& m) {
    switch (m.msg) {
        case WM_SETTEXT:
            h.SilentDefault(m);
            PaintNow(h, PaintLabel);
            return true;
        case WM_PAINT:
            PaintOnMessage(h, m, PaintLabel);
            return true;
        case WM_ERASEBKGND:
            m.result = 0;
            return true;
        case WM_NCHITTEST:
            m.result = HTTRANSPARENT;
            return true;
        default:
            return false;
    }
}

}  // namespace lumiq
