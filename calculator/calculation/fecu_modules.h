#pragma once
// The FECU modules that serve the cordless handsets: each serves a range of
// handset counts and is one item; option 0 is no module.

#include <array>

#include "catalogue/limits.h"

namespace veltra {

struct FecuModuleOption {
    const char* caption;
    int firstHandset, lastHandset;  // the closed range that selects it
    const char* item;               // nullptr for option 0
};
extern const std::array<FecuModuleOption, kFecuModules> kFecuModuleOptions;

}  // namespace veltra
