#include "plugin/plugin.h"

#include <cstring>

#include "format/bmp.h"
#include "format/bytes.h"
#include "format/skin_format.h"
#include "plugin/control_kinds.h"

namespace lumiq {

namespace {

PluginState g_state;
alignas(4) std::uint8_t g_skinInfo[kSkinInfoSize];

HWND HandleFrom32(std::uint32_t value) {
    // Window handles are 32-bit values, sign-extended on 64-bit systems.
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}

}  // namespace

PluginState& State() {
    return g_state;
}

const std::uint8_t* SkinInfo() {
    return g_skinInfo;
}

void LibraryStart(InitCommonControlsExFn initEx) {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_PROGRESS_CLASS;
    g_state.progressQueries = initEx != nullptr && initEx(&icc);
    if (!g_state.progressQueries) InitCommonControls();
    g_state.skins = std::make_unique<TSkinList>();
    FillSkinInfo(g_skinInfo, Address32(&SkinWindow), Address32(&SkinControl));
}

void LibraryEnd() {
    // Every handler unhooks its window before it goes.
    g_state.skins.reset();
}

std::string ExpandHostText(const char* text) {
    if (!g_state.hostInfoSet) return {};
    HostInfo host = ParseHostInfo(g_state.hostInfo);
    auto service = FromAddress32<HostServiceFn>(host.service);
    if (!service) return {};
    return ExpandHostText(
        [&](const char* in, char* out) {
            return service(host.context, kServiceExpand, in, out, 0);
        },
        text);
}

std::int32_t WINAPI PluginCallback(std::int32_t code, const char* name, HWND window, LPARAM param) {
    if (code == 1) {
        if (window) {
            std::memcpy(g_state.hostInfo.data(), reinterpret_cast<const void*>(window),
                        kHostInfoSize);
            g_state.hostInfoSet = true;
        }
    } else if (code == 2 && g_state.hostInfoSet) {
        HostInfo host = ParseHostInfo(g_state.hostInfo);
        if (auto event = FromAddress32<HostEventFn>(host.event)) {
            event(host.context, "EV_LUMIQINFO", g_skinInfo, 0, -1);
        }
    }

    switch (ClassifyMessage(name)) {
        case NamedMessage::LumiqInfo:
            return static_cast<std::int32_t>(Address32(g_skinInfo));
        case NamedMessage::AddControlRgn:
            if (TProcHandler* h = TProcHandler::FromWindow(window); h && param) {
                const auto* p = reinterpret_cast<const ControlPlacement*>(param);
                if (TWinHandler* owner = h->WindowHandler()) {
                    owner->AddControlRegion(HandleFrom32(p->control), p->x, p->y, p->width,
                                            p->height);
                }
            }
            return 1;
        case NamedMessage::PaintSkinBkgnd:
            if (TProcHandler* h = TProcHandler::FromWindow(window); h && param) {
                h->PaintBackground(reinterpret_cast<HDC>(param));
            }
            return 1;
        case NamedMessage::Other:
            break;
    }
    return 0;
}

std::int32_t WINAPI SkinWindow(HWND window, const char* skin, const char* windowName,
                               PaintCallback paint) {
    if (!IsWindow(window) || !skin || !windowName || !g_state.skins) return 0;
    // Without the host's record there is no folder to read from.
    std::string folder = ExpandHostText("%Presetup%\\");
    if (folder.empty()) return 0;

    Extraction ex = ExtractWindow(folder, skin, windowName);
    if (ex.status != ExtractStatus::Ok) return 0;

    HBITMAP bitmap = nullptr;
    if (ex.hasBitmap) {
        // The loader reads as far as the bitmap's headers say, past the end
        // of a file that holds less: such a file never reaches it.
        if (!BmpFileIsComplete(ex.bitmapPath)) {
            DiscardCreated(ex);
            return 0;
        }
        bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, ex.bitmapPath.c_str(), IMAGE_BITMAP, 0, 0,
                                                 LR_LOADFROMFILE | LR_CREATEDIBSECTION));
        // Bytes that do not form a bitmap are a damaged skin as well.
        if (!bitmap) {
            DiscardCreated(ex);
            return 0;
        }
    }

    RECT r{};
    GetWindowRect(window, &r);
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) {
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    }
    const int oldWidth = r.right - r.left, oldHeight = r.bottom - r.top;
    const int newWidth = ex.entry.width, newHeight = ex.entry.height;
    SetWindowPos(window, nullptr, r.left + (oldWidth - newWidth) / 2,
                 r.top + (oldHeight - newHeight) / 2, newWidth, newHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);

    TWinHandler* handler =
        g_state.skins->Add(TWinHandler::New(window, ex.entry, oldWidth, oldHeight, paint, bitmap));
    handler->Activate(true);
    return 1;
}

std::int32_t WINAPI SkinControl(HWND control, std::uint32_t kind, const char* skin,
                                const char* windowName, const char* controlName,
                                PaintCallback paint) {
    if (!skin || !windowName || !controlName || !g_state.skins) return 0;
    TWinHandler* owner = g_state.skins->FindByName(windowName);
    if (!owner) return 0;
    TProcHandler* handler = owner->FindHandler(control);
    if (!handler) return 0;

    std::string folder = ExpandHostText("%Presetup%\\");
    if (folder.empty()) return 0;
    RecordLookup lookup =
        FindControlRecord(TempFileName(folder, skin, windowName, "Records"), controlName);
    if (lookup.status == RecordStatus::CannotOpen) return 0;
    if (lookup.status == RecordStatus::Missing && kind != 0 && kind != 4 && kind != 9) return 0;

    handler->SetRecord(lookup.record);
    if (kind > 12) return 0;

    const std::uint8_t* rec = lookup.record.data();
    if (kind == 12) {
        MoveWindow(control, ReadU16(rec + 16), ReadU16(rec + 18), ReadU16(rec + 20),
                   ReadU16(rec + 22), FALSE);
        return 0;
    }
    if (auto* controlHandler = dynamic_cast<TControlHandler*>(handler)) {
        ApplyControlKind(*controlHandler, kind, lookup.status == RecordStatus::Found);
    } else if (kind == 0) {
        // The skinned window itself, named as a control: only hiding applies.
        ShowWindow(control, SW_HIDE);
    }

    handler->SetPaintCallback(paint);
    handler->Activate(false);
    handler->Activate(true);
    return 0;
}

}  // namespace lumiq
