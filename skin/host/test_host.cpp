#include "host/test_host.h"

#include <cstring>
#include <map>

#include "format/bytes.h"

namespace lumiq {

namespace {

// Host functions receive only the context value; it names the host.
std::map<std::uint32_t, TestHost*>& Hosts() {
    static std::map<std::uint32_t, TestHost*> hosts;
    return hosts;
}

std::uint32_t g_nextContext = 0x4C510000;

std::string TextField(const std::vector<std::uint8_t>& r, std::size_t offset, std::size_t width) {
    std::string s(reinterpret_cast<const char*>(&r[offset]), width);
    return s.substr(0, s.find('\0'));
}

}  // namespace

TestHost::TestHost(std::string folder) : folder_(std::move(folder)), context_(++g_nextContext) {
    Hosts()[context_] = this;
    WriteU32(&record_[8], context_);
    WriteU32(&record_[277], Address32(&Service));
    WriteU32(&record_[281], Address32(&OnEvent));
}

TestHost::~TestHost() {
    Unload();
    Hosts().erase(context_);
}

bool TestHost::Load(const std::string& dllPath, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        Unload();
        return false;
    };
    module_ = LoadLibraryA(dllPath.c_str());
    if (!module_) return fail("cannot load " + dllPath);
    if (!GetProcAddress(module_, "GetPluginInfo")) return fail("no GetPluginInfo export");
    std::vector<std::uint8_t> r = InfoRecord(info::kMinHostVersion);
    if (TextField(r, info::kName, info::kShortText) != "Lumiq") return fail("wrong plug-in name");
    if (ReadU32(&r[info::kKind]) != 0x20000 || ReadU32(&r[info::kInterface]) != 0x10000) {
        return fail("unexpected interface values");
    }
    callback_ = FromAddress32<PluginCallbackFn>(ReadU32(&r[info::kCallback]));
    if (!callback_) return fail("no callback address");
    return true;
}

void TestHost::Unload() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
    callback_ = nullptr;
}

std::vector<std::uint8_t> TestHost::InfoRecord(std::uint32_t version) const {
    std::vector<std::uint8_t> r(info::kSize, 0);
    WriteU32(r.data(), version);
    auto get = reinterpret_cast<GetPluginInfoFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(module_, "GetPluginInfo")));
    if (get) get(r.data());
    return r;
}

std::int32_t TestHost::Callback(std::int32_t code, const char* name, HWND window, LPARAM param) {
    return callback_ ? callback_(code, name, window, param) : 0;
}

const std::uint8_t* TestHost::SkinInfo() const {
    for (const Event& e : events_) {
        if (e.name == "EV_LUMIQINFO") return static_cast<const std::uint8_t*>(e.data);
    }
    return nullptr;
}

std::int32_t TestHost::SkinWindow(HWND window, const char* skin, const char* name,
                                  PaintCallback paint) const {
    const std::uint8_t* si = SkinInfo();
    if (!si) return 0;
    return FromAddress32<SkinWindowFn>(ReadU32(si + 4))(window, skin, name, paint);
}

std::int32_t TestHost::SkinControl(HWND control, std::uint32_t kind, const char* skin,
                                   const char* window, const char* name,
                                   PaintCallback paint) const {
    const std::uint8_t* si = SkinInfo();
    if (!si) return 0;
    return FromAddress32<SkinControlFn>(ReadU32(si + 8))(control, kind, skin, window, name, paint);
}

std::string TestHost::Expand(const std::string& text) const {
    std::string out = text;
    const std::string var = "%Presetup%";
    for (auto at = out.find(var); at != std::string::npos; at = out.find(var, at)) {
        out.replace(at, var.size(), folder_);
        at += folder_.size();
    }
    return out;
}

std::int32_t WINAPI TestHost::Service(std::uint32_t context, std::int32_t code, const char* input,
                                      char* output, std::int32_t) {
    auto it = Hosts().find(context);
    if (it == Hosts().end() || code != kServiceExpand || !input) return 0;
    TestHost* host = it->second;
    if (!output) host->expandRequests_.emplace_back(input);
    std::string text = host->Expand(input);
    // Writes the terminator too, as the length it reports promises.
    if (output) std::memcpy(output, text.c_str(), text.size() + 1);
    return static_cast<std::int32_t>(text.size() + 1);
}

std::int32_t WINAPI TestHost::OnEvent(std::uint32_t context, const char* name, const void* data,
                                      std::int32_t zero, std::int32_t minusOne) {
    auto it = Hosts().find(context);
    if (it != Hosts().end()) {
        it->second->events_.push_back({context, name ? name : "", data, zero, minusOne});
    }
    return 0;
}

}  // namespace lumiq
