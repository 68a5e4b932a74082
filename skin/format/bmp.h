// Just enough of the device-independent bitmap file format to check what
// goes into a skin, list it, and make test images.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "format/region_runs.h"

namespace lumiq {

struct BmpInfo {
    std::uint32_t fileSize = 0;
    std::uint32_t pixelOffset = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative for top-down bitmaps
    std::uint16_t bitsPerPixel = 0;
};

// Checks the file and information headers; error says what is wrong.
std::optional<BmpInfo> ReadBmpInfo(const std::vector<std::uint8_t>& bytes, std::string* error);

// A bottom-up 24-bit bitmap file of the image.
std::vector<std::uint8_t> MakeBmp24(const PixelImage& image);

}  // namespace lumiq
