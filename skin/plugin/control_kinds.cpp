#include "plugin/control_kinds.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "format/bytes.h"
#include "format/control_rules.h"
#include "format/skin_format.h"
#include "plugin/control_paint.h"

namespace lumiq {

namespace {

bool IsRichEdit(HWND control) {
    char cls[64] = "";
    GetClassNameA(control, cls, sizeof cls);
    // "RICHEDIT", "RichEdit20A", "RICHEDIT50W": every version of the control.
    const char* prefix = "richedit";
    for (int i = 0; prefix[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(cls[i])) != prefix[i]) return false;
    }
    return true;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return 0;
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

COLORREF RecordColour(const std::uint8_t* rec, int offset) {
    return SwapRedBlue(ReadU32(rec + offset));
}

}  // namespace

HFONT FittedFont(HWND control, int dpi) {
    if (dpi <= 0 || IsRichEdit(control)) return nullptr;
    HDC dc = GetDC(control);
    if (!dc) return nullptr;
    HGDIOBJ old = nullptr;
    if (auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0))) {
        old = SelectObject(dc, font);
    }
    TEXTMETRICA tm{};
    char face[LF_FACESIZE] = "";
    const bool read = GetTextMetricsA(dc, &tm) && GetTextFaceA(dc, LF_FACESIZE, face) > 0;
    if (old) SelectObject(dc, old);
    ReleaseDC(control, dc);
    if (!read) return nullptr;

    const FontFit fit = FitFont(tm.tmHeight, (tm.tmPitchAndFamily & TMPF_VECTOR) != 0, dpi);
    LOGFONTA lf{};
    lf.lfHeight = fit.height;
    lf.lfWeight = tm.tmWeight;
    lf.lfItalic = tm.tmItalic;
    lf.lfUnderline = tm.tmUnderlined;
    lf.lfStrikeOut = tm.tmStruckOut;
    lf.lfCharSet = tm.tmCharSet;
    // Bitmap fonts do not scale down well; this one is drawn for small sizes.
    const char* name = fit.smallFonts ? "Small Fonts" : face;
    std::memcpy(lf.lfFaceName, name, std::min<std::size_t>(std::strlen(name), LF_FACESIZE - 1));
    return CreateFontIndirectA(&lf);
}

void FitControlFont(TControlHandler& h) {
    if (HFONT font = FittedFont(h.Window(), ScreenDpi())) h.AdoptFont(font);
}

void PlaceControl(TControlHandler& h, const std::uint8_t* p) {
    FitControlFont(h);
    MoveWindow(h.Window(), ReadS16(p), ReadS16(p + 2), ReadS16(p + 4), ReadS16(p + 6), FALSE);
}

void ApplyControlKind(TControlHandler& h, std::uint32_t kind, bool found) {
    // A control skinned again starts from nothing: no old painting, shape or brush.
    h.SetFilter(nullptr);
    h.ClearShape();
    h.SetGraphicsObject(nullptr);
    const HWND w = h.Window();
    const std::uint8_t* rec = h.Record().data();
    switch (kind) {
        case 0:
            ShowWindow(w, SW_HIDE);
            break;
        case 1:
        case 2:
        case 3:
            h.SetFilter(ButtonFilter);
            // Cut from the normal face.
            h.SetShape(ReadS16(rec + 24), ReadS16(rec + 26), ReadS16(rec + 16), ReadS16(rec + 18));
            h.AddStyle(WS_CLIPCHILDREN);
            PlaceControl(h, rec + (kind == 1 ? 40 : 56));
            break;
        case 4:
            h.SetFilter(PanelFilter);
            if (found) PlaceControl(h, rec + 16);
            break;
        case 5:
        case 6:
        case 7:
            // A brush that cannot be made leaves the control its own colours.
            h.SetGraphicsObject(CreateSolidBrush(RecordColour(rec, 20)));
            if (kind == 7) h.SetFilter(BoxFilter);
            PlaceControl(h, rec + 24);
            break;
        case 8:
            h.SetFilter(ProgressFilter);
            // Cut from the empty bar.
            h.SetShape(ReadS16(rec + 20), ReadS16(rec + 22), ReadS16(rec + 16), ReadS16(rec + 18));
            PlaceControl(h, rec + 32);
            break;
        case 9:
            h.SetFilter(LabelFilter);
            if (found) PlaceControl(h, rec + 16);
            break;
        case 10:
            SendMessageA(w, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(RecordColour(rec, 16)));
            SendMessageA(w, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(RecordColour(rec, 20)));
            PlaceControl(h, rec + 24);
            break;
        case 11:
            SendMessageA(w, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(RecordColour(rec, 16)));
            PlaceControl(h, rec + 20);
            break;
        default:
            break;
    }
}

}  // namespace lumiq
