// Lumiq.dll: the library's start and end, and its one export.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "format/plugin_info.h"
#include "plugin/plugin.h"

namespace {

lumiq::InitCommonControlsExFn FindInitCommonControlsEx() {
    // Linking the plain initialisation keeps the library loaded, so this
    // lookup never has to load anything while the loader is busy with us.
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    FARPROC proc = comctl ? GetProcAddress(comctl, "InitCommonControlsEx") : nullptr;
    return reinterpret_cast<lumiq::InitCommonControlsExFn>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

extern "C" __declspec(dllexport) void WINAPI GetPluginInfo(void* record) {
    if (record) {
        lumiq::FillPluginInfo(static_cast<std::uint8_t*>(record),
                              lumiq::Address32(&lumiq::PluginCallback));
    }
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        lumiq::LibraryStart(FindInitCommonControlsEx());
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded while the process goes on: windows that are still
        // subclassed must get their procedures back. At process exit no
        // window will run again, so there is nothing to undo.
        lumiq::LibraryEnd();
    }
    return TRUE;
}
