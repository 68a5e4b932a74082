#include "plugin/handlers.h"

#include <algorithm>

#include "format/bytes.h"
#include "format/region_runs.h"
#include "plugin/region_build.h"

namespace lumiq {

namespace {

void MessageBoxWarning(const char* caption, const char* text) {
    MessageBoxA(nullptr, text, caption, MB_OK | MB_ICONWARNING);
}

WarningSink g_warningSink = MessageBoxWarning;

// Style masks are bit patterns; LONG is how the platform stores them.
constexpr LONG Bits(unsigned long v) {
    return static_cast<LONG>(v);
}

void ShowLastError() {
    DWORD error = GetLastError();
    char text[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, 255, nullptr);
    g_warningSink("Handler error!", text);
}

void RefreshFrame(HWND window) {
    // Style changes of the frame only take effect once the frame is recomputed.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CALLBACK AddDescendant(HWND child, LPARAM self) {
    if (!GetPropA(child, kSelfProperty)) reinterpret_cast<TProcHandler*>(self)->AddChild(child);
    return TRUE;
}

}  // namespace

void SetWarningSink(WarningSink sink) {
    g_warningSink = sink ? sink : MessageBoxWarning;
}

PixelImage ReadPixels(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) {
        return {};
    }
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;  // top row first
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    PixelImage image{bm.bmWidth, bm.bmHeight, {}};
    image.pixels.resize(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight);
    HDC screen = GetDC(nullptr);
    int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(bm.bmHeight), image.pixels.data(),
                          &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines != bm.bmHeight) return {};
    return image;
}

HRGN RegionFromBitmap(HBITMAP bitmap, int x, int y, std::uint32_t colour, int height, int width) {
    if (!bitmap) return nullptr;
    return RegionFromRects(RegionRuns(ReadPixels(bitmap), x, y, colour, height, width));
}

// ---------------------------------------------------------------- TProcHandler

TProcHandler::TProcHandler(HWND window, TWinHandler* windowHandler, TProcHandler* parent)
    : parent_(parent), windowHandler_(windowHandler), window_(window) {}

TProcHandler::~TProcHandler() {
    // The children go first: while they unhook, the window's bitmap that
    // they paint from must still be there.
    children_.clear();
    // A handler must never outlive its subclassing: the window would call
    // into freed memory.
    if (hooked_) TProcHandler::Unhook();
    if (graphics_) DeleteObject(graphics_);
}

void TProcHandler::ReleaseGraphics() {
    if (graphics_) DeleteObject(graphics_);
    graphics_ = nullptr;
}

std::unique_ptr<TProcHandler> TProcHandler::New(HWND window, TWinHandler* windowHandler,
                                                TProcHandler* parent) {
    std::unique_ptr<TProcHandler> h(new TProcHandler(window, windowHandler, parent));
    h->Create();
    return h;
}

void TProcHandler::SetGraphicsObject(HGDIOBJ object) {
    if (graphics_ && graphics_ != object) DeleteObject(graphics_);
    graphics_ = object;
}

void TProcHandler::Create() {
    InitStyles();
    EnumChildWindows(window_, AddDescendant, reinterpret_cast<LPARAM>(this));
}

TProcHandler* TProcHandler::FromWindow(HWND window) {
    return window ? static_cast<TProcHandler*>(GetPropA(window, kSelfProperty)) : nullptr;
}

LRESULT CALLBACK TProcHandler::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TProcHandler* handler = FromWindow(window);
    if (!handler) return DefWindowProcA(window, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    handler->Dispatch(m);
    return m.result;
}

void TProcHandler::CallPrevious(TMessage& m) {
    m.result = previous_ ? CallWindowProcA(previous_, window_, m.msg, m.wParam, m.lParam)
                         : DefWindowProcA(window_, m.msg, m.wParam, m.lParam);
}

void TProcHandler::Dispatch(TMessage& m) {
    const bool destroyed = m.msg == WM_DESTROY && hooked_;
    if (destroyed) {
        destroying_ = true;
        Unhook();
    }
    if (hooked_ && m.msg == WM_PAINT) {
        m.result = 0;
        Paint(m);
    } else {
        CallPrevious(m);
    }
    // Nothing of ours paints the window again: what it was given can go, so
    // skinning and destroying windows does not pile up bitmaps and brushes.
    if (destroyed) ReleaseGraphics();
}

void TProcHandler::Paint(TMessage& m) {
    CallPrevious(m);
    if (!paint_) return;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    paint_(window_, dc);
    EndPaint(window_, &ps);
}

void TProcHandler::InitStyles() {
    styleKeep_ = exStyleKeep_ = Bits(0xFFFFFFFF);
    styleAdd_ = WS_CLIPCHILDREN;
    exStyleAdd_ = 0;
}

std::unique_ptr<TProcHandler> TProcHandler::CreateChild(HWND window) {
    return New(window, windowHandler_, this);
}

void TProcHandler::AddChild(HWND window) {
    children_.push_back(CreateChild(window));
}

TProcHandler* TProcHandler::FindHandler(HWND window) {
    if (window_ == window) return this;
    for (auto& child : children_) {
        if (TProcHandler* found = child->FindHandler(window)) return found;
    }
    return nullptr;
}

void TProcHandler::Activate(bool on) {
    if (on == hooked_) return;
    if (on) {
        Hook();
    } else {
        Unhook();
    }
    for (auto& child : children_) child->Activate(on);
}

bool TProcHandler::Hook() {
    if (IsWindow(window_) && GetPropA(window_, kSelfProperty)) return false;
    SetLastError(0);
    LONG_PTR old =
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
    if (old == 0) {
        ShowLastError();
        return false;
    }
    previous_ = reinterpret_cast<WNDPROC>(old);
    SetPropA(window_, kSelfProperty, this);
    savedStyle_ = GetWindowLongA(window_, GWL_STYLE);
    savedExStyle_ = GetWindowLongA(window_, GWL_EXSTYLE);
    SetWindowLongA(window_, GWL_STYLE, (savedStyle_ & styleKeep_) | styleAdd_);
    SetWindowLongA(window_, GWL_EXSTYLE, (savedExStyle_ & exStyleKeep_) | exStyleAdd_);
    hooked_ = true;
    RefreshFrame(window_);
    return true;
}

void TProcHandler::Unhook() {
    hooked_ = false;
    if (!IsWindow(window_) || GetPropA(window_, kSelfProperty) != this) return;
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    LONG visible = GetWindowLongA(window_, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongA(window_, GWL_STYLE, (savedStyle_ & ~Bits(WS_VISIBLE)) | visible);
    SetWindowLongA(window_, GWL_EXSTYLE, savedExStyle_);
    RemovePropA(window_, kSelfProperty);
    if (!destroying_) RefreshFrame(window_);
}

void TProcHandler::PaintBackground(HDC dc) {
    TWinHandler* owner = windowHandler_;
    if (!dc || !owner || !owner->Bitmap()) return;
    RECT mine = ScreenRect(window_);
    RECT outer = ScreenRect(owner->Window());
    BitmapDc source(dc, owner->Bitmap());
    if (!source.Get()) return;
    BitBlt(dc, 0, 0, mine.right - mine.left, mine.bottom - mine.top, source.Get(),
           owner->Entry().imageX + (mine.left - outer.left),
           owner->Entry().imageY + (mine.top - outer.top), SRCCOPY);
}

// ----------------------------------------------------------------- TWinHandler

TWinHandler::TWinHandler(HWND window) : TProcHandler(window, this, nullptr) {}

TWinHandler::~TWinHandler() {
    // The control handlers paint from this handler: they unhook while it is whole.
    children_.clear();
    if (hooked_) TWinHandler::Unhook();
}

std::unique_ptr<TWinHandler> TWinHandler::New(HWND window, const WindowEntry& entry,
                                              int formerWidth, int formerHeight,
                                              PaintCallback paint, HBITMAP bitmap) {
    std::unique_ptr<TWinHandler> h(new TWinHandler(window));
    h->entry_ = entry;
    h->record_ = entry.raw;
    h->name_ = entry.name;
    h->transparent_ = entry.transparentColour;
    h->formerWidth_ = formerWidth;
    h->formerHeight_ = formerHeight;
    h->paint_ = paint;
    h->graphics_ = bitmap;
    h->Create();
    return h;
}

void TWinHandler::InitStyles() {
    styleKeep_ = WS_VISIBLE | WS_DISABLED;
    exStyleKeep_ = 0;
    styleAdd_ = Bits(WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    exStyleAdd_ = 0;
}

std::unique_ptr<TProcHandler> TWinHandler::CreateChild(HWND window) {
    return TControlHandler::New(window, this, this);
}

bool TWinHandler::Hook() {
    InitStyles();
    if (!TProcHandler::Hook()) return false;
    region_ = RegionFromBitmap(Bitmap(), entry_.imageX, entry_.imageY, transparent_,
                               entry_.imageHeight, entry_.imageWidth);
    if (region_ && !SetWindowRgn(window_, region_, TRUE)) {
        DeleteObject(region_);
        region_ = nullptr;
    }
    return true;
}

void TWinHandler::Unhook() {
    TProcHandler::Unhook();
    if (!region_) return;
    if (IsWindow(window_)) SetWindowRgn(window_, nullptr, !destroying_);
    region_ = nullptr;
}

void TWinHandler::Paint(TMessage&) {
    PAINTSTRUCT ps;
    BeginPaint(window_, &ps);
    HDC dc = GetDC(window_);
    if (HBITMAP bitmap = Bitmap(); bitmap && dc) {
        BitmapDc source(dc, bitmap);
        if (source.Get())
            BitBlt(dc, 0, 0, entry_.imageWidth, entry_.imageHeight, source.Get(), entry_.imageX,
                   entry_.imageY, SRCCOPY);
    }
    if (paint_ && dc) paint_(window_, dc);
    if (dc) ReleaseDC(window_, dc);
    EndPaint(window_, &ps);
}

void TWinHandler::Dispatch(TMessage& m) {
    switch (m.msg) {
        case WM_DESTROY:
            if (hooked_) {
                // Back to the size it had before skinning, about the same centre.
                RECT r = RectInParent(window_);
                int width = r.right - r.left, height = r.bottom - r.top;
                SetWindowPos(window_, nullptr, r.left - (formerWidth_ - width) / 2,
                             r.top - (formerHeight_ - height) / 2, formerWidth_, formerHeight_,
                             SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
            }
            break;
        case WM_NCHITTEST:
            m.result = HTCAPTION;  // the whole window drags like a caption
            return;
        case WM_NCLBUTTONDBLCLK:
            PostMessageA(window_, WM_LBUTTONDBLCLK, 0, 0);
            m.result = 0;
            return;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            // Only controls whose kind gave them a brush have colours to set;
            // the rest keep the look their own window procedure gives them.
            TProcHandler* child = FindHandler(reinterpret_cast<HWND>(m.lParam));
            if (child && child->GraphicsObject()) {
                HDC dc = reinterpret_cast<HDC>(m.wParam);
                SetBkColor(dc, SwapRedBlue(ReadU32(child->Record().data() + 20)));
                SetTextColor(dc, SwapRedBlue(ReadU32(child->Record().data() + 16)));
                SelectObject(dc, child->GraphicsObject());
                m.result = reinterpret_cast<LRESULT>(child->GraphicsObject());
                return;
            }
            break;
        }
        default:
            break;
    }
    TProcHandler::Dispatch(m);
}

void TWinHandler::AddControlRegion(HWND control, int x, int y, int width, int height) {
    if (!IsWindow(control) || !IsWindow(window_)) return;
    auto inside = [&] {
        RECT w = ScreenRect(window_), c = ScreenRect(control);
        return c.left >= w.left && c.top >= w.top && c.right <= w.right && c.bottom <= w.bottom &&
               c.right - c.left >= width && c.bottom - c.top >= height;
    };
    if (!inside()) {
        MoveWindow(control, x, y, width, height, TRUE);
        if (!inside()) MoveWindow(control, 0, 0, width, height, TRUE);
    }
    RECT c = ScreenRect(control);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&c), 2);
    HRGN current = CreateRectRgn(0, 0, 0, 0);
    if (!current) return;
    // Without a window region the whole window shows already; a region of
    // just this control would hide the rest.
    if (GetWindowRgn(window_, current) == ERROR) {
        DeleteObject(current);
        return;
    }
    HRGN added = CreateRectRgn(c.left, c.top, c.right + 1, c.bottom + 1);
    if (!added || CombineRgn(current, current, added, RGN_OR) == ERROR) {
        if (added) DeleteObject(added);
        DeleteObject(current);
        return;
    }
    DeleteObject(added);
    if (SetWindowRgn(window_, current, TRUE)) {
        region_ = current;
    } else {
        DeleteObject(current);
    }
}

// ------------------------------------------------------------- TControlHandler

TControlHandler::~TControlHandler() {
    children_.clear();
    if (hooked_) TControlHandler::Unhook();
    DropFont();
}

std::unique_ptr<TControlHandler> TControlHandler::New(HWND window, TWinHandler* windowHandler,
                                                      TProcHandler* parent) {
    std::unique_ptr<TControlHandler> h(new TControlHandler(window, windowHandler, parent));
    h->Create();
    return h;
}

void TControlHandler::InitStyles() {
    TProcHandler::InitStyles();
    styleKeep_ &= ~Bits(WS_BORDER | WS_DLGFRAME);
    exStyleKeep_ &=
        ~Bits(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE);
}

std::unique_ptr<TProcHandler> TControlHandler::CreateChild(HWND window) {
    return New(window, windowHandler_, this);
}

void TControlHandler::SetShape(int x, int y, int width, int height) {
    hasShape_ = true;
    shapeX_ = x;
    shapeY_ = y;
    shapeWidth_ = width;
    shapeHeight_ = height;
}

HBITMAP TControlHandler::ShapeBitmap() const {
    return hasShape_ && windowHandler_ ? windowHandler_->Bitmap() : nullptr;
}

bool TControlHandler::Hook() {
    if (!TProcHandler::Hook()) return false;
    if (HBITMAP shape = ShapeBitmap()) {
        region_ = RegionFromBitmap(shape, shapeX_, shapeY_, windowHandler_->TransparentColour(),
                                   shapeHeight_, shapeWidth_);
    } else {
        RECT r = ScreenRect(window_);
        region_ = CreateRectRgn(0, 0, r.right - r.left, r.bottom - r.top);
    }
    if (region_ && !SetWindowRgn(window_, region_, TRUE)) {
        DeleteObject(region_);
        region_ = nullptr;
    }
    InvalidateRect(window_, nullptr, TRUE);
    return true;
}

void TControlHandler::Unhook() {
    TProcHandler::Unhook();
    if (!IsWindow(window_)) {
        region_ = nullptr;
        return;
    }
    if (region_) SetWindowRgn(window_, nullptr, !destroying_);
    region_ = nullptr;
    if (!destroying_) InvalidateRect(window_, nullptr, TRUE);
}

void TControlHandler::ReleaseGraphics() {
    DropFont();
    TProcHandler::ReleaseGraphics();
}

void TControlHandler::AdoptFont(HFONT font) {
    if (!font) return;
    if (!font_) originalFont_ = reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (font_) DeleteObject(font_);
    font_ = font;
}

void TControlHandler::DropFont() {
    if (!font_) return;
    // Never leave the control holding a deleted font.
    if (IsWindow(window_) &&
        reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0)) == font_) {
        SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(originalFont_), FALSE);
    }
    DeleteObject(font_);
    font_ = nullptr;
    originalFont_ = nullptr;
}

RECT TControlHandler::Shrink() {
    RECT place = RectInParent(window_);
    ++shrunk_;
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    return place;
}

void TControlHandler::Grow(const RECT& place) {
    SetWindowPos(window_, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    --shrunk_;
}

void TControlHandler::SilentDefault(TMessage& m) {
    RECT place = Shrink();
    CallPrevious(m);
    Grow(place);
}

void TControlHandler::Dispatch(TMessage& m) {
    if (m.msg == kPaintBackgroundMessage) PaintBackground(reinterpret_cast<HDC>(m.wParam));
    if (m.msg == WM_WINDOWPOSCHANGED && hooked_ && !ShapeBitmap() && shrunk_ == 0 && m.lParam) {
        // A rectangle shape follows the control's size; otherwise a control
        // that the skin or the host makes larger would be cut to its old size.
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.lParam);
        if (!(pos->flags & SWP_NOSIZE)) {
            HRGN fitted = CreateRectRgn(0, 0, pos->cx, pos->cy);
            if (fitted && SetWindowRgn(window_, fitted, FALSE)) {
                region_ = fitted;
            } else if (fitted) {
                DeleteObject(fitted);
            }
        }
    }
    // Once the skinned window is going, controls draw themselves again.
    const bool skinned = hooked_ && windowHandler_ && windowHandler_->Hooked();
    if (filter_ && skinned && filter_(*this, m)) return;
    TProcHandler::Dispatch(m);
}

// ------------------------------------------------------------------- TSkinList

TWinHandler* TSkinList::Add(std::unique_ptr<TWinHandler> handler) {
    // Handlers of destroyed windows are never found again; their windows'
    // handles may by now belong to other windows.
    std::erase_if(handlers_, [](const std::unique_ptr<TWinHandler>& h) {
        return !h->Hooked() && !IsWindow(h->Window());
    });
    handlers_.push_back(std::move(handler));
    return handlers_.back().get();
}

TWinHandler* TSkinList::FindByName(const std::string& name) const {
    for (auto it = handlers_.rbegin(); it != handlers_.rend(); ++it) {
        if ((*it)->Destroyed() || !IsWindow((*it)->Window())) continue;
        if ((*it)->Name() == name) return it->get();
    }
    return nullptr;
}

}  // namespace lumiq
