// Skins shared by the native and the Windows tests, written as lqs-pack
// descriptions with generated bitmaps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "format/region_runs.h"

namespace lumiq::testing {

inline constexpr std::uint32_t kMagenta = 0xFF00FF;

// 128 x 96: magenta outside a rectangle with clipped corners and a hole,
// a colour gradient inside.
PixelImage SampleImage();

// 16 x 12, a plain shape on magenta.
PixelImage TinyImage();

// "Setup Wizard" (bitmap, four controls) and "About Box" (no bitmap, one control).
extern const char* const kSampleDescription;

// "First" (no bitmap, two records) followed by "Second" (bitmap, one record).
extern const char* const kTinyDescription;

// Packs a description whose bitmaps are "sample.bmp" and "tiny.bmp".
std::vector<std::uint8_t> PackDescription(const std::string& description);

}  // namespace lumiq::testing
