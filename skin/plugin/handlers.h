// Window handlers: each one subclasses a window, finds itself again through
// the "__IDSELF__" property, and owns the handlers of the window's descendants.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "format/region_runs.h"
#include "format/skin_format.h"
#include "plugin/gdi.h"
#include "plugin/lumiq_abi.h"

namespace lumiq {

inline constexpr const char* kSelfProperty = "__IDSELF__";
inline constexpr UINT kPaintBackgroundMessage = 11024;

// Shows the "Handler error!" box; tests replace it to keep the run unattended.
using WarningSink = void (*)(const char* caption, const char* text);
void SetWarningSink(WarningSink sink);

struct TMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

class TWinHandler;
class TControlHandler;

class TProcHandler {
  public:
    virtual ~TProcHandler();
    TProcHandler(const TProcHandler&) = delete;
    TProcHandler& operator=(const TProcHandler&) = delete;

    // A plain handler for window, already walked over its descendants.
    static std::unique_ptr<TProcHandler> New(HWND window, TWinHandler* windowHandler,
                                             TProcHandler* parent);

    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static TProcHandler* FromWindow(HWND window);

    void Activate(bool on);
    void AddChild(HWND window);
    TProcHandler* FindHandler(HWND window);
    // Copies the part of the window bitmap that lies behind this window.
    void PaintBackground(HDC dc);

    HWND Window() const { return window_; }
    bool Hooked() const { return hooked_; }
    TWinHandler* WindowHandler() const { return windowHandler_; }
    TProcHandler* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<TProcHandler>>& Children() const { return children_; }
    const Block64& Record() const { return record_; }
    void SetRecord(const Block64& record) { record_ = record; }
    void SetPaintCallback(PaintCallback paint) { paint_ = paint; }
    PaintCallback PaintCallbackFn() const { return paint_; }
    HGDIOBJ GraphicsObject() const { return graphics_; }
    // Hands the handler a bitmap or brush to own; the previous one is deleted.
    void SetGraphicsObject(HGDIOBJ object);
    void AddStyle(LONG bits) { styleAdd_ |= bits; }
    // Set from the destroy message on: the window is going and never comes back.
    bool Destroyed() const { return destroying_; }
    void CallPrevious(TMessage& m);
    LONG StyleKeep() const { return styleKeep_; }
    LONG StyleAdd() const { return styleAdd_; }
    LONG ExStyleKeep() const { return exStyleKeep_; }
    LONG ExStyleAdd() const { return exStyleAdd_; }

  protected:
    TProcHandler(HWND window, TWinHandler* windowHandler, TProcHandler* parent);

    // Second half of construction, once the virtual functions are in place.
    void Create();

    virtual void InitStyles();
    virtual void Paint(TMessage& m);
    virtual std::unique_ptr<TProcHandler> CreateChild(HWND window);
    virtual void Dispatch(TMessage& m);
    // Both report whether the window is now subclassed by this handler.
    virtual bool Hook();
    virtual void Unhook();
    // Deletes what this handler created for its window, once the window is gone.
    virtual void ReleaseGraphics();

    HGDIOBJ graphics_ = nullptr;  // window bitmap or control brush; owned
    WNDPROC previous_ = nullptr;
    TProcHandler* parent_ = nullptr;
    TWinHandler* windowHandler_ = nullptr;
    HWND window_ = nullptr;
    std::vector<std::unique_ptr<TProcHandler>> children_;
    bool hooked_ = false;
    std::string name_;
    LONG savedStyle_ = 0, savedExStyle_ = 0;
    LONG styleKeep_ = 0, exStyleKeep_ = 0;
    LONG styleAdd_ = 0, exStyleAdd_ = 0;
    std::uint32_t transparent_ = 0;
    Block64 record_{};
    PaintCallback paint_ = nullptr;
    int formerWidth_ = 0, formerHeight_ = 0;
    // Set while the window handles its destroy message: nothing is redrawn.
    bool destroying_ = false;
};

class TWinHandler : public TProcHandler {
  public:
    ~TWinHandler() override;

    // Takes ownership of bitmap (may be null).
    static std::unique_ptr<TWinHandler> New(HWND window, const WindowEntry& entry, int formerWidth,
                                            int formerHeight, PaintCallback paint, HBITMAP bitmap);

    const std::string& Name() const { return name_; }
    const WindowEntry& Entry() const { return entry_; }
    HBITMAP Bitmap() const { return static_cast<HBITMAP>(graphics_); }
    std::uint32_t TransparentColour() const { return transparent_; }
    int FormerWidth() const { return formerWidth_; }
    int FormerHeight() const { return formerHeight_; }
    HRGN Region() const { return region_; }

    void AddControlRegion(HWND control, int x, int y, int width, int height);

  protected:
    explicit TWinHandler(HWND window);

    void InitStyles() override;
    void Paint(TMessage& m) override;
    std::unique_ptr<TProcHandler> CreateChild(HWND window) override;
    void Dispatch(TMessage& m) override;
    bool Hook() override;
    void Unhook() override;

  private:
    WindowEntry entry_;
    HRGN region_ = nullptr;  // belongs to the system once set; kept only to clear it
};

// Decides whether it handled a message; set by the control kinds that paint.
using MessageFilter = bool (*)(TControlHandler& handler, TMessage& m);

class TControlHandler : public TProcHandler {
  public:
    ~TControlHandler() override;

    static std::unique_ptr<TControlHandler> New(HWND window, TWinHandler* windowHandler,
                                                TProcHandler* parent);

    void SetFilter(MessageFilter filter) { filter_ = filter; }
    MessageFilter Filter() const { return filter_; }
    HRGN Region() const { return region_; }

    // The control's shape is cut from the window handler's bitmap at x, y;
    // without a shape, or without a bitmap, it is its own rectangle.
    void SetShape(int x, int y, int width, int height);
    void ClearShape() { hasShape_ = false; }
    HBITMAP ShapeBitmap() const;

    // Lets the control's own procedure handle the message while it has no
    // size, so that it updates its state without drawing over the skin.
    void SilentDefault(TMessage& m);
    // Shrinks the control to nothing at (0, 0), without drawing, until Grow.
    RECT Shrink();
    void Grow(const RECT& place);

    // Gives the control a font that this handler owns; the control's first
    // font comes back when the handler lets go of it.
    void AdoptFont(HFONT font);
    void DropFont();
    HFONT Font() const { return font_; }

  protected:
    using TProcHandler::TProcHandler;

    void InitStyles() override;
    std::unique_ptr<TProcHandler> CreateChild(HWND window) override;
    void Dispatch(TMessage& m) override;
    bool Hook() override;
    void Unhook() override;
    void ReleaseGraphics() override;

  private:
    MessageFilter filter_ = nullptr;
    HRGN region_ = nullptr;  // belongs to the system once set; kept only to clear it
    bool hasShape_ = false;
    int shapeX_ = 0, shapeY_ = 0, shapeWidth_ = 0, shapeHeight_ = 0;
    HFONT font_ = nullptr, originalFont_ = nullptr;
    int shrunk_ = 0;  // nesting depth of Shrink
};

class TSkinList {
  public:
    // Also lets go of handlers whose windows no longer exist.
    TWinHandler* Add(std::unique_ptr<TWinHandler> handler);
    // The last handler whose name equals name exactly (letter case counts)
    // and whose window has not been destroyed.
    TWinHandler* FindByName(const std::string& name) const;
    std::size_t Count() const { return handlers_.size(); }
    TWinHandler* At(std::size_t i) const { return handlers_[i].get(); }

  private:
    std::vector<std::unique_ptr<TWinHandler>> handlers_;
};

// The window's shape cut from the bitmap; null without a bitmap.
HRGN RegionFromBitmap(HBITMAP bitmap, int x, int y, std::uint32_t colour, int height, int width);

// The bitmap's pixels as 0x00RRGGBB, top row first; empty when unreadable.
PixelImage ReadPixels(HBITMAP bitmap);

}  // namespace lumiq
