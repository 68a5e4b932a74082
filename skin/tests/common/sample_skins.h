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

// 256 x 128: SampleImage at the top left, below it faces of 20 x 10 in one
// colour each (the normal face with a transparent top-left pixel) and the
// empty and full images of a 40 x 20 bar.
PixelImage ControlsImage();
struct ControlsColours {
    static constexpr std::uint32_t pressed = 0xC00000, normal = 0x00C000, focused = 0x0000C0,
                                   disabled = 0x808080, checked = 0xC0C000,
                                   checkedFocused = 0x00C0C0, checkedDisabled = 0xC000C0,
                                   empty = 0x202020, full = 0xE0E0E0;
};

// "Controls": ControlsImage's window with a record for every painting kind.
extern const char* const kControlsDescription;

// "Setup Wizard" (bitmap, four controls) and "About Box" (no bitmap, one control).
extern const char* const kSampleDescription;

// "First" (no bitmap, two records) followed by "Second" (bitmap, one record).
extern const char* const kTinyDescription;

// A bitmap file with the old 12-byte header: 20 x 2 pixels of 1 bit, two
// 3-byte colours, two rows of 4 bytes.
std::vector<std::uint8_t> CoreHeaderBmp();

// Packs a description whose bitmaps are "sample.bmp", "tiny.bmp" and
// "controls.bmp".
std::vector<std::uint8_t> PackDescription(const std::string& description);

}  // namespace lumiq::testing
