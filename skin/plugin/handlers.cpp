#include "plugin/handlers.h"

#include <algorithm>

#include "format/bytes.h"
#include "format/region_runs.h"

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

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The window's rectangle in the coordinates that moving it uses: its
// parent's client area for a child, the screen otherwise.
RECT RectInParent(HWND window) {
    RECT r = ScreenRect(window);
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) {
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

// A memory device context with a bitmap selected, undone on scope exit.
class BitmapDc {
  public:
    BitmapDc(HDC reference, HBITMAP bitmap) : dc_(CreateCompatibleDC(reference)) {
        if (dc_) old_ = SelectObject(dc_, bitmap);
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

HRGN RegionFromRuns(const std::vector<Rect>& runs) {
    if (runs.empty()) return CreateRectRgn(0, 0, 0, 0);
    std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(runs.size());
    data->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    RECT bound{runs[0].left, runs[0].top, runs[0].right, runs[0].bottom};
    auto* rects = reinterpret_cast<RECT*>(buffer.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Rect& r = runs[i];
        rects[i] = RECT{r.left, r.top, r.right, r.bottom};
        bound.left = std::min<LONG>(bound.left, r.left);
        bound.top = std::min<LONG>(bound.top, r.top);
        bound.right = std::max<LONG>(bound.right, r.right);
        bound.bottom = std::max<LONG>(bound.bottom, r.bottom);
    }
    data->rdh.rcBound = bound;
    if (HRGN rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data)) return rgn;
    // Some systems limit the rectangles per call; uniting one by one always works.
    HRGN all = CreateRectRgn(0, 0, 0, 0);
    for (const Rect& r : runs) {
        HRGN one = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        CombineRgn(all, all, one, RGN_OR);
        DeleteObject(one);
    }
    return all;
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
    return RegionFromRuns(RegionRuns(ReadPixels(bitmap), x, y, colour, height, width));
}

// ---------------------------------------------------------------- TProcHandler

TProcHandler::TProcHandler(HWND window, TWinHandler* windowHandler, TProcHandler* parent)
    : parent_(parent), windowHandler_(windowHandler), window_(window) {}

TProcHandler::~TProcHandler() {
    // A handler must never outlive its subclassing: the window would call
    // into freed memory.
    if (hooked_) TProcHandler::Unhook();
    if (graphics_) DeleteObject(graphics_);
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
    if (m.msg == WM_DESTROY && hooked_) {
        destroying_ = true;
        Unhook();
    }
    if (hooked_ && m.msg == WM_PAINT) {
        m.result = 0;
        Paint(m);
    } else {
        CallPrevious(m);
    }
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
    BitBlt(dc, 0, 0, mine.right - mine.left, mine.bottom - mine.top, source.Get(),
           owner->Entry().imageX + (mine.left - outer.left),
           owner->Entry().imageY + (mine.top - outer.top), SRCCOPY);
}

// ----------------------------------------------------------------- TWinHandler

TWinHandler::TWinHandler(HWND window) : TProcHandler(window, this, nullptr) {}

TWinHandler::~TWinHandler() {
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
    if (HBITMAP bitmap = Bitmap()) {
        BitmapDc source(dc, bitmap);
        BitBlt(dc, 0, 0, entry_.imageWidth, entry_.imageHeight, source.Get(), entry_.imageX,
               entry_.imageY, SRCCOPY);
    }
    if (paint_) paint_(window_, dc);
    ReleaseDC(window_, dc);
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
    // Without a window region the whole window shows already; a region of
    // just this control would hide the rest.
    if (GetWindowRgn(window_, current) == ERROR) {
        DeleteObject(current);
        return;
    }
    HRGN added = CreateRectRgn(c.left, c.top, c.right + 1, c.bottom + 1);
    CombineRgn(current, current, added, RGN_OR);
    DeleteObject(added);
    if (SetWindowRgn(window_, current, TRUE)) {
        region_ = current;
    } else {
        DeleteObject(current);
    }
}

// ------------------------------------------------------------- TControlHandler

TControlHandler::~TControlHandler() {
    if (hooked_) TControlHandler::Unhook();
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

bool TControlHandler::Hook() {
    if (!TProcHandler::Hook()) return false;
    if (shapeBitmap_) {
        region_ = RegionFromBitmap(shapeBitmap_, shapeX_, shapeY_,
                                   windowHandler_->TransparentColour(), shapeHeight_, shapeWidth_);
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

void TControlHandler::Dispatch(TMessage& m) {
    if (m.msg == kPaintBackgroundMessage) PaintBackground(reinterpret_cast<HDC>(m.wParam));
    if (m.msg == WM_WINDOWPOSCHANGED && hooked_ && !shapeBitmap_ && m.lParam) {
        // A rectangle shape follows the control's size; otherwise a control
        // that the skin or the host makes larger would be cut to its old size.
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.lParam);
        if (!(pos->flags & SWP_NOSIZE)) {
            HRGN fitted = CreateRectRgn(0, 0, pos->cx, pos->cy);
            if (SetWindowRgn(window_, fitted, FALSE)) {
                region_ = fitted;
            } else {
                DeleteObject(fitted);
            }
        }
    }
    if (filter_ && filter_(*this, m)) return;
    TProcHandler::Dispatch(m);
}

// ------------------------------------------------------------------- TSkinList

TWinHandler* TSkinList::Add(std::unique_ptr<TWinHandler> handler) {
    handlers_.push_back(std::move(handler));
    return handlers_.back().get();
}

TWinHandler* TSkinList::FindByName(const std::string& name) const {
    for (auto it = handlers_.rbegin(); it != handlers_.rend(); ++it) {
        if ((*it)->Name() == name) return it->get();
    }
    return nullptr;
}

}  // namespace lumiq
