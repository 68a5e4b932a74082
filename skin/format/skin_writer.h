// Builds ".lqs" files: the header, each window entry with its control
// records, and the bitmap blocks after the last window.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "format/skin_format.h"

namespace lumiq {

struct ControlLayout {
    std::string name;
    Block64 record{};  // bytes 0..15 are replaced by the name
};

struct WindowLayout {
    std::string name;
    std::uint32_t transparentColour = 0;  // 0x00RRGGBB
    std::uint16_t imageX = 0, imageY = 0, imageWidth = 0, imageHeight = 0;
    std::int16_t width = 0, height = 0;
    int bitmap = -1;  // index into SkinLayout::bitmaps, -1 for none
    std::vector<ControlLayout> controls;
};

struct SkinLayout {
    std::vector<WindowLayout> windows;
    std::vector<std::vector<std::uint8_t>> bitmaps;  // complete bitmap files
};

struct SkinWriteError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws SkinWriteError for names that do not fit, too many windows, a bad
// bitmap index or a file that would outgrow 32-bit offsets.
std::vector<std::uint8_t> WriteSkin(const SkinLayout& layout);

// Stores name into a 16-byte field; throws when it is empty or too long.
void PutName(std::uint8_t* field, const std::string& name);

}  // namespace lumiq
