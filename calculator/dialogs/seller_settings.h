#pragma once
// The seller's details as the program's settings keep them: one text a key
// in the group "seller", read back with the dialog's own checks, so that a
// hand-edited settings file cannot put into a proposal what the dialog
// refuses.

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "state/proposal.h"

namespace veltra {

inline constexpr const char* kSellerSettingsGroup = "seller";

// Every key with its text, in the dialog's order.
std::vector<std::pair<std::string, std::string>> SellerSettings(const SellerDetails& seller);

// Each key read through `value` (nullopt: not kept); a key that is missing
// or holds what the dialog would refuse keeps its default.
using SettingsValue = std::function<std::optional<std::string>(const std::string& key)>;
SellerDetails SellerFromSettings(const SettingsValue& value);

}  // namespace veltra
