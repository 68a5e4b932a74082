// A stand-in for the installer host: loads Lumiq.dll, hands it the host
// record, expands "%Presetup%\" to a folder of its own and records events.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "format/plugin_info.h"
#include "plugin/lumiq_abi.h"

namespace lumiq {

class TestHost {
  public:
    struct Event {
        std::uint32_t context;
        std::string name;
        const void* data;
        std::int32_t zero, minusOne;
    };

    // folder is where "%Presetup%" points, without the trailing separator.
    explicit TestHost(std::string folder);
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    // Loads the library and checks its information record; error says why not.
    bool Load(const std::string& dllPath, std::string* error);
    void Unload();
    HMODULE Module() const { return module_; }

    // The record as GetPluginInfo leaves it for a host of this version.
    std::vector<std::uint8_t> InfoRecord(std::uint32_t version) const;

    std::int32_t Callback(std::int32_t code, const char* name, HWND window = nullptr,
                          LPARAM param = 0);
    void SendHostRecord() {
        Callback(1, nullptr, reinterpret_cast<HWND>(const_cast<std::uint8_t*>(record_.data())));
    }
    void Announce() { Callback(2, nullptr); }

    // The skin information block announced with "EV_LUMIQINFO"; null before.
    const std::uint8_t* SkinInfo() const;
    std::int32_t SkinWindow(HWND window, const char* skin, const char* name,
                            PaintCallback paint = nullptr) const;
    std::int32_t SkinControl(HWND control, std::uint32_t kind, const char* skin, const char* window,
                             const char* name, PaintCallback paint = nullptr) const;

    std::uint32_t Context() const { return context_; }
    // The host information record as code 1 hands it over.
    const std::uint8_t* HostRecord() const { return record_.data(); }
    const std::vector<Event>& Events() const { return events_; }
    const std::vector<std::string>& ExpandRequests() const { return expandRequests_; }

  private:
    static std::int32_t WINAPI Service(std::uint32_t context, std::int32_t code, const char* input,
                                       char* output, std::int32_t zero);
    static std::int32_t WINAPI OnEvent(std::uint32_t context, const char* name, const void* data,
                                       std::int32_t zero, std::int32_t minusOne);
    std::string Expand(const std::string& text) const;

    std::string folder_;
    std::uint32_t context_;
    HMODULE module_ = nullptr;
    PluginCallbackFn callback_ = nullptr;
    std::array<std::uint8_t, kHostInfoSize> record_{};
    std::vector<Event> events_;
    std::vector<std::string> expandRequests_;
};

}  // namespace lumiq
