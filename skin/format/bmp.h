// Just enough of the device-independent bitmap file format to check what
// goes into a skin, list it, and make test images.
#pragma once

#include <cstddef>
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

// Checks the bitmap as the plug-in does (BmpLayoutFits) and reads its size;
// error says what is wrong.
std::optional<BmpInfo> ReadBmpInfo(const std::vector<std::uint8_t>& bytes, std::string* error);

// Whether a bitmap file of fileSize bytes, of which head holds the first
// headLength (at least kBmpHeadLength, or the whole file when shorter),
// holds everything its headers promise: the colour table and every row of
// pixels lie inside the file, and compressed pixels are not expanded beyond
// what their data can describe. The platform's loader trusts the headers and
// reads past the end of a file that promises more.
inline constexpr std::size_t kBmpHeadLength = 14 + 124 + 12;
bool BmpLayoutFits(const std::uint8_t* head, std::size_t headLength, std::uint64_t fileSize,
                   std::string* error);

// BmpLayoutFits for the file at path; false when it cannot be read.
bool BmpFileIsComplete(const std::string& path, std::string* error = nullptr);

// A bottom-up 24-bit bitmap file of the image.
std::vector<std::uint8_t> MakeBmp24(const PixelImage& image);

}  // namespace lumiq
