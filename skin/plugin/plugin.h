// The plug-in's side of the host interface: its state for the library's
// lifetime, the callback the host calls, and the two skin entry points.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <array>
#include <memory>
#include <string>

#include "format/plugin_info.h"
#include "plugin/handlers.h"
#include "plugin/lumiq_abi.h"

namespace lumiq {

struct PluginState {
    std::array<std::uint8_t, kHostInfoSize> hostInfo{};
    bool hostInfoSet = false;
    std::unique_ptr<TSkinList> skins;
    bool progressQueries = false;
};

PluginState& State();

using InitCommonControlsExFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

// initEx is the common-controls library's InitCommonControlsEx, or null
// where it is missing.
void LibraryStart(InitCommonControlsExFn initEx);
void LibraryEnd();

// The 12-byte skin information block.
const std::uint8_t* SkinInfo();

// "%Presetup%\" and the like, through the host's service function.
std::string ExpandHostText(const char* text);

std::int32_t WINAPI PluginCallback(std::int32_t code, const char* name, HWND window, LPARAM param);

std::int32_t WINAPI SkinWindow(HWND window, const char* skin, const char* windowName,
                               PaintCallback paint);
std::int32_t WINAPI SkinControl(HWND control, std::uint32_t kind, const char* skin,
                                const char* windowName, const char* controlName,
                                PaintCallback paint);

}  // namespace lumiq
