#include "format/plugin_info.h"

#include <cstring>
#include <vector>

#include "format/bytes.h"

namespace lumiq {

namespace {
void PutText(std::uint8_t* field, std::size_t width, const char* text) {
    std::size_t n = std::strlen(text);
    std::memcpy(field, text, n < width ? n : width);
}
}  // namespace

bool FillPluginInfo(std::uint8_t* r, std::uint32_t callbackAddress) {
    if (ReadU32(r + info::kVersion) < info::kMinHostVersion) return false;
    WriteU32(r + info::kZero, 0);
    WriteU32(r + info::kKind, 0x20000);
    PutText(r + info::kName, info::kShortText, kPluginName);
    PutText(r + info::kAuthor, info::kShortText, kPluginAuthor);
    r[info::kFlag] = 0;
    WriteU32(r + info::kInterface, 0x10000);
    PutText(r + info::kMaker, info::kShortText, kPluginMaker);
    PutText(r + info::kDescription, info::kLongText, kPluginDescription);
    PutText(r + info::kCopyright, info::kShortText, kPluginCopyright);
    WriteU32(r + info::kCallback, callbackAddress);
    return true;
}

HostInfo ParseHostInfo(const std::array<std::uint8_t, kHostInfoSize>& record) {
    return {ReadU32(&record[8]), ReadU32(&record[277]), ReadU32(&record[281])};
}

void FillSkinInfo(std::uint8_t* block, std::uint32_t skinWindow, std::uint32_t skinControl) {
    WriteU16(block, 0);
    WriteU16(block + 2, 1);
    WriteU32(block + 4, skinWindow);
    WriteU32(block + 8, skinControl);
}

NamedMessage ClassifyMessage(const char* name) {
    if (name == nullptr) return NamedMessage::Other;
    if (std::strcmp(name, "CM_LUMIQINFO") == 0) return NamedMessage::LumiqInfo;
    if (std::strcmp(name, "CM_ADDCONTROLRGN") == 0) return NamedMessage::AddControlRgn;
    if (std::strcmp(name, "CM_PAINTSKINBKGND") == 0) return NamedMessage::PaintSkinBkgnd;
    return NamedMessage::Other;
}

std::string ExpandHostText(const HostService& service, const char* text) {
    if (!service || text == nullptr) return {};
    std::int32_t length = service(text, nullptr);
    if (length <= 0 || length > kMaxExpandedLength) return {};
    // The reported length counts the terminator, and a host may write it:
    // the buffer holds all of it, plus one zero of our own in case it does not.
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    service(text, buffer.data());
    buffer.back() = '\0';
    return std::string(buffer.data());
}

}  // namespace lumiq
