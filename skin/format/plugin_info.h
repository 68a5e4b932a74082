// Byte layouts exchanged with the installer host, and the host-side text
// expansion, kept free of platform types so they can be checked anywhere.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace lumiq {

namespace info {
inline constexpr std::size_t kVersion = 0;
inline constexpr std::size_t kZero = 4;
inline constexpr std::size_t kKind = 8;
inline constexpr std::size_t kName = 12;
inline constexpr std::size_t kAuthor = 273;
inline constexpr std::size_t kFlag = 534;
inline constexpr std::size_t kInterface = 535;
inline constexpr std::size_t kMaker = 539;
inline constexpr std::size_t kDescription = 800;
inline constexpr std::size_t kCopyright = 4897;
inline constexpr std::size_t kCallback = 5158;
inline constexpr std::size_t kSize = 5162;

inline constexpr std::size_t kShortText = 261;
inline constexpr std::size_t kLongText = 4097;

inline constexpr std::uint32_t kMinHostVersion = 0x10000;
}  // namespace info

inline constexpr const char* kPluginName = "Lumiq";
inline constexpr const char* kPluginAuthor = "Dorvesk installer tools group";
inline constexpr const char* kPluginMaker = "Dorvesk";
inline constexpr const char* kPluginDescription =
    "Extension for showing a skinnable user interface";
inline constexpr const char* kPluginCopyright = "Copyright (c) Dorvesk. All rights reserved.";

// Fills the plug-in information record (info::kSize bytes) unless the host's
// version is below 0x10000; returns whether it wrote anything. Texts are
// copied without a terminator into fields the host has zeroed.
bool FillPluginInfo(std::uint8_t* record, std::uint32_t callbackAddress);

inline constexpr std::size_t kHostInfoSize = 285;

struct HostInfo {
    std::uint32_t context = 0;
    std::uint32_t service = 0;  // address of the service function
    std::uint32_t event = 0;    // address of the event function
};

HostInfo ParseHostInfo(const std::array<std::uint8_t, kHostInfoSize>& record);

inline constexpr std::int32_t kServiceExpand = 259;

// The skin information block: 0, 1, then the two entry points.
inline constexpr std::size_t kSkinInfoSize = 12;
void FillSkinInfo(std::uint8_t* block, std::uint32_t skinWindow, std::uint32_t skinControl);

enum class NamedMessage { Other, LumiqInfo, AddControlRgn, PaintSkinBkgnd };

// Exact, case-sensitive; a null name is "other".
NamedMessage ClassifyMessage(const char* name);

// (input text, output buffer or null) -> length the host reports.
using HostService = std::function<std::int32_t(const char*, char*)>;

// Longest expansion accepted from a host: the longest path the platform has.
inline constexpr std::int32_t kMaxExpandedLength = 32768;

// Asks the host for the length (terminator included), then for the text into
// a buffer of that whole length. Empty when the host reports nothing usable.
std::string ExpandHostText(const HostService& service, const char* text);

}  // namespace lumiq
