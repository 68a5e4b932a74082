// The rules a usable skin keeps beyond the layout of its bytes. lqs-pack
// checks a description's windows by them before it writes, and lqs-pack
// --list checks a file by them, so that the listing passes exactly the files
// the packer could have written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "format/bmp.h"
#include "format/skin_writer.h"

namespace lumiq {

// Why a skin of this many windows is refused, or "" when it is not; the
// sentence names the skin as shownAs ("the description").
std::string SkinRuleBreak(std::size_t windowCount, std::string_view shownAs);

// Why the window is refused (its size below 1 x 1, its image outside its
// bitmap, a transparent colour beyond 0x00FFFFFF), or "" when it is not;
// its controls are not looked at. bitmap: the header of the window's bitmap,
// nullptr when it has none. The sentence names the window as shownName.
std::string WindowRuleBreak(const WindowLayout& window, const BmpInfo* bitmap,
                            std::string_view shownName);

}  // namespace lumiq
