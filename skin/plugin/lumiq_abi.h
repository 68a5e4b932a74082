// Function and record types shared by the plug-in and its host. On the 32-bit
// target every function uses the standard calling convention.
#pragma once

#include <windows.h>

#include <cstdint>

namespace lumiq {

using PaintCallback = void(WINAPI*)(HWND window, HDC dc);

using SkinWindowFn = std::int32_t(WINAPI*)(HWND window, const char* skin, const char* windowName,
                                           PaintCallback paint);
using SkinControlFn = std::int32_t(WINAPI*)(HWND control, std::uint32_t kind, const char* skin,
                                            const char* windowName, const char* controlName,
                                            PaintCallback paint);

using PluginCallbackFn = std::int32_t(WINAPI*)(std::int32_t code, const char* name, HWND window,
                                               LPARAM param);
using GetPluginInfoFn = void(WINAPI*)(void* record);

using HostServiceFn = std::int32_t(WINAPI*)(std::uint32_t context, std::int32_t code,
                                            const char* input, char* output, std::int32_t zero);
using HostEventFn = std::int32_t(WINAPI*)(std::uint32_t context, const char* name, const void* data,
                                          std::int32_t zero, std::int32_t minusOne);

// Parameter of "CM_ADDCONTROLRGN": client coordinates of the skinned window.
struct ControlPlacement {
    std::uint32_t control;  // window handle
    std::int32_t x, y, width, height;
};
static_assert(sizeof(ControlPlacement) == 20);

// Addresses travel in 32-bit fields. The 32-bit product always fits; the
// 64-bit test build places its images below 4 GiB so that it fits there too.
template <class T>
std::uint32_t Address32(T* p) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}

template <class F>
F FromAddress32(std::uint32_t a) {
    return reinterpret_cast<F>(static_cast<std::uintptr_t>(a));
}

}  // namespace lumiq
